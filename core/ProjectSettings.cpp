#include "core/ProjectSettings.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/FileReplacement.h"
#include "core/PathParts.h"
#include "core/TrackFileName.h"
#include "core/ProjectFile.h"
#include "core/Utf16Text.h"

namespace jorv {

std::vector<int> MemoryChoices() {
    std::vector<int> choices;
    for (int mb = 2; mb <= 256; mb += 2) choices.push_back(mb);
    return choices;
}

std::optional<int> MemoryChoiceIndex(int memPerTrackMB) {
    if (memPerTrackMB < 2 || memPerTrackMB > 256 || memPerTrackMB % 2 != 0) return std::nullopt;
    return memPerTrackMB / 2 - 1;
}

long FreeMemoryMB(const std::string& meminfoPath) {
    std::ifstream in(meminfoPath);
    for (std::string key; in >> key;) {
        long long kilobytes = 0;
        in >> kilobytes;
        if (key == "MemAvailable:") return static_cast<long>(kilobytes / 1024);
        in.ignore(1 << 10, '\n');
    }
    return 0;
}

std::array<std::string, 3> MemoryInfoLines(int memPerTrackMB, long freeMB) {
    return {"Total Memory Required: " + std::to_string(3 * memPerTrackMB + 1) + "MB",
            "Recording Time: " + std::to_string(static_cast<int>(memPerTrackMB * 5.9443)) + " sec",
            "Available Memory: " + std::to_string(freeMB) + "MB"};
}

bool LoadFromSettingsField(Project& project, const std::string& fileField, UiServices& ui) {
    project.projectPath = fileField;
    project.currentTrack = 0;
    project.trackDirty = false;
    auto loaded = std::make_unique<ProjectBlock>(project.block);
    const ProjectReadResult result = ReadProjectFile(fileField, *loaded);
    const bool usable = result == ProjectReadResult::Read && ProjectHeaderUsable(loaded->header);
    if (result == ProjectReadResult::NoHeader || (result == ProjectReadResult::Read && !usable))
        ShowError(ui, NoProjectHeaderMessage);
    if (usable) project.block = project.savedBlock = *loaded;
    project.projectLoaded = usable;
    return usable;
}

ProjectStem SplitProjectPath(const std::string& path) {
    std::string rest = path;
    if (const auto dot = rest.find_last_of('.'); dot != std::string::npos) rest.resize(dot);
    PathParts parts = SplitAtLastSeparator(rest);
    return {std::move(parts.folder), std::move(parts.name)};
}

bool AcceptProjectSettings(Project& project, int memPerTrackMB, const std::string& fileField, UiServices& ui) {
    project.block.header.memPerTrackMB = memPerTrackMB;
    project.projectPath = fileField;
    const ProjectStem parts = SplitProjectPath(fileField);
    if (Utf8ToUtf16(parts.stem).size() >= std::size(project.block.header.name)) {
        ui.showMessage(StemTooLongMessage, "ERROR", MessageKind::Plain);
        return false;
    }
    const std::string folder = parts.folder.empty() ? project.exeDir : parts.folder;
    if (!MayCreateFolder(folder, ui)) return false;
    if (!project.projectLoaded && !MayReplaceProjectFiles(folder, parts.stem, ui)) return false;
    // Refused here, while nothing has changed, rather than by every track's first write.
    if (const std::string projectFile = ProjectFilePath(folder, parts.stem); !CanWriteFile(projectFile)) {
        ShowError(ui, FileNotWrittenMessage(projectFile));
        return false;
    }
    StoreField(project.block.header.name, parts.stem);
    project.projectDir = parts.folder;
    ShowProjectTitle(project, ui);
    return true;
}

bool MayCreateFolder(const std::string& folder, UiServices& ui) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    const std::string question = "The folder " + folder + " does not exist. Create it?";
    if (ui.showMessage(question, CreateFolderCaption, MessageKind::Question) != Answer::Yes) return false;
    if (!std::filesystem::create_directories(folder, error) && !std::filesystem::is_directory(folder, error)) {
        ShowError(ui, "Could not create the folder " + folder + ".");
        return false;
    }
    return true;
}

bool MayReplaceProjectFiles(const std::string& folder, const std::string& name, UiServices& ui) {
    std::error_code ignored;
    const bool taken = std::filesystem::exists(ProjectFilePath(folder, name), ignored) ||
                       std::filesystem::exists(TrackWaveFilePath(folder, name, "Track 1"), ignored);
    if (!taken) return true;
    const std::string question = "A project named \"" + name + "\" already has files in " + folder +
                                 ". Replace them with the new project?";
    return ui.showMessage(question, NewProjectCaption, MessageKind::Question) == Answer::Yes;
}

}  // namespace jorv
