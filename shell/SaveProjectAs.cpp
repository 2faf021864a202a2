#include "shell/SaveProjectAs.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "shell/ProjectCommands.h"
#include "shell/RecentProjects.h"
#include "core/FileCopy.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/SilentUiServices.h"
#include "core/TrackFileName.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseNewProjectFile(const Project& project, UiServices& ui) {
    // The replace question is asked here, not by the dialog, so every caller meets it.
    return ui.chooseFile({.save = true,
                          .mustExist = false,
                          .confirmOverwrite = false,
                          .filterLabel = "Jorv Files",
                          .filterPattern = "*.jor",
                          .title = "Save Jorv File As",
                          .defaultExtension = ".jor",
                          .initialFolder = project.folder(),
                          .initialFile = project.projectPath});
}

bool MayReplaceFile(const std::string& path, UiServices& ui) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    const std::string question = "The file " + path + " already exists. Replace it?";
    return ui.showMessage(question, SaveAsCaption, MessageKind::Question) == Answer::Yes;
}

// The new name's files, each one written whole; on a failure the message names the file and
// those already written are removed again.
class NewProjectFiles {
public:
    explicit NewProjectFiles(UiServices& ui) : ui_(ui) {}
    ~NewProjectFiles() {
        if (kept_) return;
        std::error_code ignored;
        for (const std::string& file : written_) std::filesystem::remove(file, ignored);
    }
    bool add(const std::string& file, bool written) {
        if (!written) {
            ShowError(ui_, FileNotWrittenMessage(file));
            return false;
        }
        written_.push_back(file);
        return true;
    }
    void keep() { kept_ = true; }

private:
    UiServices& ui_;
    std::vector<std::string> written_;
    bool kept_ = false;
};

// The current track from its buffer, the others from what they are read from.
bool WriteTracks(const Project& project, const ProjectBlock& renamed, NewProjectFiles& files) {
    for (int t = 0; t < project.usedTracks(); ++t) {
        const std::string target = FieldToUtf8(renamed.tracks[t].waveFile);
        bool written = false;
        if (t == project.currentTrack && project.buffersReady()) {
            SilentUiServices quiet;  // the message below names the file
            written = SaveWave(0, project.framesPerTrack, target, project.trackBuffer.get(), quiet) == WaveSaved;
        } else {
            written = CopyFileOver(TrackFileToRead(project, project.block.tracks[t]), target);
        }
        if (!files.add(target, written)) return false;
    }
    return true;
}

// The project goes on from its new place, everything saved.
void MoveProjectTo(AppContext& context, const ProjectBlock& renamed, const std::string& projectFile,
                   const std::string& folder, WorkingCopy work) {
    Project& project = context.project;
    project.work.discard();
    work.clear();
    project.work = std::move(work);
    project.block = project.savedBlock = renamed;
    project.projectPath = projectFile;
    project.projectDir = folder;
    project.trackDirty = false;
    ForgetWorkingCopySync(context);
    StartUndoHistory(context);
    ShowProjectTitle(project, context.ui);
    context.ui.setStatus("Project Saved");
    RememberRecentProject(context);
}

}  // namespace

void SaveProjectAs(AppContext& context) {
    Project& project = context.project;
    UiServices& ui = context.ui;
    if (!project.projectLoaded) return;
    const auto chosen = ChooseNewProjectFile(project, ui);
    if (!chosen) return;
    const ProjectStem parts = SplitProjectPath(FullProjectPath(*chosen));
    const std::string projectFile = ProjectFilePath(parts.folder, parts.stem);
    if (projectFile == FullProjectPath(project.projectPath)) {
        if (SaveWork(context)) RememberRecentProject(context);
        return;
    }
    if (Utf8ToUtf16(parts.stem).size() >= std::size(project.block.header.name)) {
        ui.showMessage(StemTooLongMessage, "ERROR", MessageKind::Plain);
        return;
    }
    if (!MayCreateFolder(parts.folder, ui) || !MayReplaceFile(projectFile, ui)) return;
    WorkingCopy work;
    const WorkingCopy::Claim claim = work.claim(projectFile);
    if (claim == WorkingCopy::Claim::InUse) {
        ui.showMessage(ProjectInUseMessage, RefusalCaption, MessageKind::Plain);
        return;
    }
    ProjectBlock renamed = project.block;
    StoreField(renamed.header.name, parts.stem);
    bool named = true;
    for (int t = 0; t < project.usedTracks() && named; ++t)
        named = AssignTrackWaveFile(renamed.tracks[t], parts.folder, parts.stem, "Track " + std::to_string(t + 1), ui);
    NewProjectFiles files(ui);
    if (!named || !WriteTracks(project, renamed, files) ||
        !files.add(projectFile, WriteProjectFile(projectFile, renamed))) {
        // Work another run left under that name is not this run's to remove.
        if (claim == WorkingCopy::Claim::Fresh) work.discard();
        return;
    }
    files.keep();
    MoveProjectTo(context, renamed, projectFile, parts.folder, std::move(work));
}

}  // namespace jorv
