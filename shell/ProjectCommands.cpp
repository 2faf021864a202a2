#include "shell/ProjectCommands.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "shell/RecentProjects.h"
#include "shell/StopAll.h"
#include "shell/CommandIds.h"
#include "core/PathParts.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/TrackFileName.h"
#include "core/TrackManagement.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "core/WorkRecovery.h"

namespace jorv {

namespace {

// The buffers follow the project's size, and the view follows the buffers.
bool ReopenWaveDevices(AppContext& context, int memPerTrackMB) {
    const bool ready = context.wave.openDevices(context.project, memPerTrackMB, context.ui);
    ScaleViewToTrack(context.view, context.project.framesPerTrack);
    return ready;
}

// What Open does once the project file has been read (or has failed to be).
void ShowOpenedProject(AppContext& context) {
    Project& project = context.project;
    // Without a single track there is nothing to load (a failed open with no project before).
    if (project.block.header.trackCount == 0) return;
    if (!ReopenWaveDevices(context, project.block.header.memPerTrackMB)) return;
    FillTrackList(project, context.ui);
    SelectTrack(project, 0, context.ui);
    SelectWholeTrack(project);
    ShowProjectTitle(project, context.ui);
    project.projectLoaded = true;
}

std::vector<std::string> SavedTrackFiles(const Project& project) {
    std::vector<std::string> files;
    for (int t = 0; t < project.usedTracks(); ++t) files.push_back(FieldToUtf8(project.block.tracks[t].waveFile));
    return files;
}

// When the last change to the working folder was made, as the recovery question names it.
std::string LastChanged(const std::string& folder) {
    std::error_code error;
    auto newest = std::filesystem::file_time_type::min();
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        newest = std::max(newest, entry.last_write_time(error));
    // The file clock's epoch differs from the system clock's: carry the distance to now across.
    const auto since = std::chrono::system_clock::now() + (newest - std::filesystem::file_time_type::clock::now());
    const std::time_t time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(since));
    char text[32] = "";
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&time));
    return text;
}

// A working folder left by a run that did not close: Yes brings its work back, No drops it.
void OfferRecovery(AppContext& context) {
    Project& project = context.project;
    if (InspectWork(project).empty()) {
        project.work.clear();
        return;
    }
    const std::string question = "Jorv did not close the project \"" + FieldToUtf8(project.block.header.name) +
                                 "\", last changed " + LastChanged(project.work.folder()) +
                                 ". Recover the work that was not saved?";
    if (context.ui.showMessage(question, RecoverCaption, MessageKind::Question) == Answer::Yes) {
        RecoverWork(project, context.ui);
        RecordRecoveryAsSteps(context);
    } else {
        project.work.clear();
    }
}

// Opens the project file at named with its working folder, unless another run holds it.
void OpenWithWork(AppContext& context, const std::string& named) {
    Project& project = context.project;
    const std::string path = FullProjectPath(named);
    WorkingCopy work;
    const WorkingCopy::Claim claim = work.claim(path);
    if (claim == WorkingCopy::Claim::InUse) {
        context.ui.showMessage(ProjectInUseMessage, RefusalCaption, MessageKind::Plain);
        return;
    }
    if (!OpenProjectFile(project, path, context.ui)) {
        if (claim == WorkingCopy::Claim::Fresh) work.discard();
        return;
    }
    project.work = std::move(work);
    ForgetWorkingCopySync(context);
    StartUndoHistory(context);
    RememberRecentProject(context);
    if (claim == WorkingCopy::Claim::LeftBehind) OfferRecovery(context);
}

}  // namespace

bool SaveWork(AppContext& context) {
    Project& project = context.project;
    FlushTrack(project, context.ui);
    if (!project.work.commitTracks(SavedTrackFiles(project))) {
        ShowError(context.ui, WaveSaveFailedMessage);
        return false;
    }
    if (!SaveProject(project, context.ui)) return false;
    project.work.clear();
    ForgetWorkingCopySync(context);
    RememberRecentProject(context);
    return true;
}

bool OfferToSaveChanges(AppContext& context) {
    Project& project = context.project;
    if (project.hasUnsavedChanges()) {
        const std::string question = "The project \"" + FieldToUtf8(project.block.header.name) +
                                     "\" has changes that are not saved. Save them first?";
        switch (context.ui.showMessage(question, SaveChangesCaption, MessageKind::QuestionWithCancel)) {
            case Answer::Yes:
                if (!SaveWork(context)) return false;
                break;
            case Answer::No: break;
            default: return false;
        }
    }
    project.work.discard();
    ForgetWorkingCopySync(context);
    StartUndoHistory(context);
    return true;
}

bool MayCloseProject(AppContext& context) {
    StopAll(context);
    return OfferToSaveChanges(context);
}

void OpenProjectCommand(AppContext& context) {
    // What is not saved by now, the user chose to drop.
    if (!OfferToSaveChanges(context)) return;
    if (const auto chosen = ChooseProjectFile(context.project, context.ui)) OpenWithWork(context, *chosen);
    ShowOpenedProject(context);
}

void OpenProjectFileCommand(AppContext& context, const std::string& path) {
    if (!OfferToSaveChanges(context)) return;
    OpenWithWork(context, path);
    ShowOpenedProject(context);
}

void AfterProjectSettings(AppContext& context) {
    Project& project = context.project;
    // Saved where the user chose, beside its tracks.
    project.projectPath = ProjectFilePath(project.folder(), FieldToUtf8(project.block.header.name));
    ShowProjectTitle(project, context.ui);
    // A new project's work goes beside it from its first track on; whatever an earlier run left
    // under that name, the user has agreed to replace.
    if (!project.projectLoaded && !project.work.active()) {
        WorkingCopy work;
        if (work.claim(project.projectPath) == WorkingCopy::Claim::InUse)
            context.ui.showMessage(ProjectInUseMessage, RefusalCaption, MessageKind::Plain);
        else
            work.clear();
        project.work = std::move(work);
        ForgetWorkingCopySync(context);
        StartUndoHistory(context);
    }
}

void ChooseFileForField(UiServices& ui, std::string& field, FileChoice choice) {
    std::u16string wide = Utf8ToUtf16(field);
    if (wide.size() > 128) wide.resize(128);
    choice.initialFile = Utf16ToUtf8(wide);
    choice.initialFolder = SplitAtLastSeparator(choice.initialFile).folder;
    if (const auto chosen = ui.chooseFile(choice)) field = *chosen;
}

std::optional<int> BrowseProjectSettings(AppContext& context, std::string& fileField) {
    ChooseFileForField(context.ui, fileField,
                       {.save = false, .mustExist = false, .filterLabel = "Jorv Files", .filterPattern = "*.jor",
                        .title = "Jorv File", .defaultExtension = ".jor", .initialFolder = {}, .initialFile = {}});
    if (!LoadFromSettingsField(context.project, fileField, context.ui)) return std::nullopt;
    return context.project.block.header.memPerTrackMB;
}

bool AcceptProjectSettingsDialog(AppContext& context, int memPerTrackMB, const std::string& fileField) {
    Project& project = context.project;
    if (!AcceptProjectSettings(project, memPerTrackMB, fileField, context.ui)) return false;
    if (!ReopenWaveDevices(context, memPerTrackMB)) return true;
    if (project.projectLoaded) {
        FillTrackList(project, context.ui);
        SelectTrack(project, project.currentTrack, context.ui);
        context.ui.redrawAll();
    } else {
        context.ui.postCommand(cmd::AddTrack);
    }
    return true;
}

}  // namespace jorv
