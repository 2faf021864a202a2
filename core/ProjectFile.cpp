#include "core/ProjectFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/FileHandle.h"
#include "core/PathParts.h"
#include "core/TrackFileName.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

constexpr char Magic[4] = {'J', 'O', 'R', 'V'};

bool WriteWholeFile(const std::string& path, const ProjectBlock& block) {
    FileHandle file = OpenFile(path, "wb");
    if (!file) return false;
    bool ok = std::fwrite(Magic, 1, 4, file.get()) == 4;
    ok = ok && std::fwrite(&block, 1, sizeof block, file.get()) == sizeof block;
    ok = ok && std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    return (std::fclose(file.release()) == 0) && ok;
}

}  // namespace

bool SaveProject(Project& project, UiServices& ui) {
    const std::string temporary = project.projectPath + ".saving";
    std::error_code error;
    const bool saved = WriteWholeFile(temporary, project.block) &&
                       (std::filesystem::rename(temporary, project.projectPath, error), !error);
    if (!saved) {
        std::filesystem::remove(temporary, error);
        ShowError(ui, SaveProjectFailedMessage);
        return false;
    }
    ui.setStatus("Project Saved");
    return true;
}

ProjectReadResult ReadProjectFile(const std::string& path, ProjectBlock& block, bool requireWritable) {
    FileHandle file = OpenFile(path, requireWritable ? "r+b" : "rb");
    if (!file) return ProjectReadResult::CannotOpen;
    char magic[4] = {};
    if (std::fread(magic, 1, 4, file.get()) != 4 || std::memcmp(magic, Magic, 3) != 0) return ProjectReadResult::NoHeader;
    // A short file fills the block as far as it reaches.
    std::fread(&block, 1, sizeof block, file.get());
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

bool OpenProject(Project& project, UiServices& ui) {
    const auto chosen = ui.chooseFile({.save = false,
                                       .filterLabel = "Jorv Files",
                                       .filterPattern = "*.jor",
                                       .title = "Load Jorv File",
                                       .defaultExtension = ".jor",
                                       .initialFolder = project.exeDir,
                                       .initialFile = project.projectPath});
    if (!chosen) return false;
    // On any failure the previous path stays, so a later Save cannot overwrite the file that
    // failed to load.
    auto loaded = std::make_unique<ProjectBlock>(project.block);
    switch (ReadProjectFile(*chosen, *loaded, true)) {
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
    candidate.projectPath = *chosen;
    if (!RenameTrackFiles(candidate, ui)) return false;
    project.block = candidate.block;
    project.projectPath = *chosen;
    project.projectDir = candidate.projectDir;
    return true;
}

void ShowProjectTitle(const Project& project, UiServices& ui) {
    ui.setTitle("Jorv - " + FieldToUtf8(project.block.header.name));
    ui.setStatus("Project Loaded");
}

}  // namespace jorv
