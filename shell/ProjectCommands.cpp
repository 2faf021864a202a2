#include "shell/ProjectCommands.h"

#include "shell/StopAll.h"
#include "shell/CommandIds.h"
#include "core/PathParts.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/TrackFileName.h"
#include "core/TrackManagement.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"

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

}  // namespace

bool OfferToSaveChanges(AppContext& context) {
    Project& project = context.project;
    if (!project.hasUnsavedChanges()) return true;
    const std::string question = "The project \"" + FieldToUtf8(project.block.header.name) +
                                 "\" has changes that are not saved. Save them first?";
    switch (context.ui.showMessage(question, SaveChangesCaption, MessageKind::QuestionWithCancel)) {
        case Answer::Yes:
            FlushTrack(project, context.ui);
            return SaveProject(project, context.ui);
        case Answer::No: return true;
        default: return false;
    }
}

bool MayCloseProject(AppContext& context) {
    StopAll(context);
    return OfferToSaveChanges(context);
}

void OpenProjectCommand(AppContext& context) {
    // What is not saved by now, the user chose to drop.
    if (!OfferToSaveChanges(context)) return;
    OpenProject(context.project, context.ui);
    ShowOpenedProject(context);
}

void OpenProjectFileCommand(AppContext& context, const std::string& path) {
    if (!OfferToSaveChanges(context)) return;
    OpenProjectFile(context.project, path, context.ui);
    ShowOpenedProject(context);
}

void AfterProjectSettings(AppContext& context) {
    Project& project = context.project;
    // Saved where the user chose, beside its tracks.
    project.projectPath = ProjectFilePath(project.folder(), FieldToUtf8(project.block.header.name));
    ShowProjectTitle(project, context.ui);
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
