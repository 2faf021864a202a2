#include "core/ProjectFile.h"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/FileHandle.h"
#include "core/FileReplacement.h"
#include "core/PathParts.h"
#include "core/TrackFileName.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

constexpr char Magic[4] = {'J', 'O', 'R', 'V'};

}  // namespace

std::string FileNotWrittenMessage(const std::string& path) { return "Could not write the file " + path + "."; }

bool CanWriteFile(const std::string& path) {
    // The trial file beside the target is removed again when the replacement is not committed.
    const FileReplacement trial(path, Durability::WithTheSystem);
    return trial.file() != nullptr;
}

bool WriteProjectFile(const std::string& path, const ProjectBlock& block) {
    FileReplacement replacement(path);
    if (!replacement.file()) return false;
    bool ok = std::fwrite(Magic, 1, 4, replacement.file()) == 4;
    ok = ok && std::fwrite(&block, 1, sizeof block, replacement.file()) == sizeof block;
    return ok && replacement.commit();
}

std::string FullProjectPath(const std::string& named) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(named, error);
    return error ? named : full.lexically_normal().string();
}

bool SaveProject(Project& project, UiServices& ui) {
    if (!WriteProjectFile(project.projectPath, project.block)) {
        ShowError(ui, SaveProjectFailedMessage);
        return false;
    }
    project.savedBlock = project.block;
    ui.setStatus("Project Saved");
    return true;
}

ProjectReadResult ReadProjectFile(const std::string& path, ProjectBlock& block) {
    const FileForReading opened = OpenForReading(path);
    if (!opened.file) return ProjectReadResult::CannotOpen;
    std::FILE* file = opened.file.get();
    char magic[4] = {};
    if (std::fread(magic, 1, 4, file) != 4 || std::memcmp(magic, Magic, 3) != 0) return ProjectReadResult::NoHeader;
    // The header and every track record must be there; a shorter drum block keeps what the
    // block held before as far as the file does not reach.
    ProjectBlock read = block;
    if (std::fread(&read, 1, sizeof read, file) < offsetof(ProjectBlock, drumBlock)) return ProjectReadResult::NoHeader;
    // Gains are computed from these as factors out of 256; larger values would overflow the mix.
    for (Track& track : read.tracks) {
        track.volume = std::min<uint16_t>(track.volume, 255);
        track.pan = std::min<uint16_t>(track.pan, 255);
    }
    block = read;
    return ProjectReadResult::Read;
}

bool ProjectHeaderUsable(const ProjectHeader& header) {
    const int mb = header.memPerTrackMB;
    return header.trackCount >= 1 && header.trackCount <= MaxTracks && mb >= 2 && mb <= 256 && mb % 2 == 0;
}

bool RenameTrackFiles(Project& project, UiServices& ui) {
    // A path without a separator stands for its own folder.
    const PathParts parts = SplitAtLastSeparator(project.projectPath);
    const std::string folder = parts.hasSeparator ? parts.folder : project.projectPath;
    const std::string name = FieldToUtf8(project.block.header.name);
    Track renamed[MaxTracks];
    std::memcpy(renamed, project.block.tracks, sizeof renamed);
    for (int t = 0; t < project.usedTracks(); ++t)
        if (!AssignTrackWaveFile(renamed[t], folder, name, "Track " + std::to_string(t + 1), ui)) return false;
    std::memcpy(project.block.tracks, renamed, sizeof renamed);
    project.projectDir = folder;
    return true;
}

std::optional<std::string> ChooseProjectFile(const Project& project, UiServices& ui) {
    return ui.chooseFile({.save = false,
                                       .filterLabel = "Jorv Files",
                                       .filterPattern = "*.jor",
                                       .title = "Load Jorv File",
                                       .defaultExtension = ".jor",
                                       .initialFolder = project.exeDir,
                                       .initialFile = project.projectPath});
}

bool OpenProjectFile(Project& project, const std::string& named, UiServices& ui) {
    // The project's folder and its track files' names are built from a full path.
    const std::string path = FullProjectPath(named);
    // On any failure the previous path stays, so a later Save cannot overwrite the file that
    // failed to load.
    auto loaded = std::make_unique<ProjectBlock>(project.block);
    switch (ReadProjectFile(path, *loaded)) {
        case ProjectReadResult::CannotOpen: ShowError(ui, OpenProjectFailedMessage); return false;
        case ProjectReadResult::NoHeader: ShowError(ui, NoProjectHeaderMessage); return false;
        case ProjectReadResult::Read: break;
    }
    // Damaged counts or sizes would overrun the track table or size the buffers wrongly.
    if (!ProjectHeaderUsable(loaded->header)) {
        ShowError(ui, NoProjectHeaderMessage);
        return false;
    }
    Project candidate;
    candidate.block = *loaded;
    candidate.projectPath = path;
    if (!RenameTrackFiles(candidate, ui)) return false;
    project.block = candidate.block;
    // Only the track names differ from the file, and those follow from where it lies.
    project.savedBlock = candidate.block;
    project.projectPath = path;
    project.projectDir = candidate.projectDir;
    return true;
}

std::string ProjectTitle(const Project& project) {
    return "Jorv - " + FieldToUtf8(project.block.header.name) + (project.hasUnsavedChanges() ? "*" : "");
}

void ShowProjectTitle(const Project& project, UiServices& ui) {
    ui.setTitle(ProjectTitle(project));
    ui.setStatus("Project Loaded");
}

void RefreshProjectTitle(const Project& project, UiServices& ui) {
    if (project.projectLoaded) ui.setTitle(ProjectTitle(project));
}

}  // namespace jorv
