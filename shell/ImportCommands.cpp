#include "shell/ImportCommands.h"

#include <algorithm>
#include <utility>

#include "core/PathParts.h"
#include "core/TrackEditing.h"
#include "shell/ProjectCommands.h"

namespace jorv {

namespace {

// Shows how far an import has come, with a Cancel button.
ImportProgress CancellableProgress(UiServices& ui) {
    return [&ui](double done) { return ui.showCancellableProgress("Importing audio", int64_t(done * 1000), 1000); };
}

// The file into the clipboard, with what went wrong said.
ImportReport ImportIntoClipboard(AppContext& context, const std::string& path) {
    const ImportReport report = ImportAudioFile(path, context.project.clipperPath, CancellableProgress(context.ui));
    context.ui.endProgress();
    if (const std::string_view message = ImportMessage(report); !message.empty()) ShowError(context.ui, message);
    if (report.succeeded()) context.ui.setStatus("Copied to clipper");
    return report;
}

// Pastes the imported clipboard over as many frames from start as it holds, up to the track's end.
void PasteImported(AppContext& context, const ImportReport& report, uint32_t start) {
    Project& project = context.project;
    if (!report.succeeded()) return;
    start = std::min(start, project.framesPerTrack);
    const uint32_t room = project.framesPerTrack - start;
    project.selectionStart = start;
    project.selectionEnd = start + std::min(report.frames, room);
    PasteClip(project, PasteMode::Replace, context.ui);
    if (report.frames > room) ShowWarning(context.ui, ImportCutAtTrackEndMessage);
}

bool IsProjectFile(const std::string& path) { return LowerCaseExtension(path) == ".jor"; }

}  // namespace

ImportReport CopyFromFile(AppContext& context) {
    const auto path = context.ui.chooseFile({.save = false,
                                             .mustExist = true,
                                             .filterLabel = std::string(AudioFilesLabel),
                                             .filterPattern = std::string(AudioFilesPattern),
                                             .title = "Open Wave File",
                                             .defaultExtension = ".wav",
                                             .initialFolder = context.project.exeDir,
                                             .initialFile = {}});
    if (path) return ImportIntoClipboard(context, *path);
    ImportReport cancelled;
    cancelled.outcome = ImportReport::Outcome::Cancelled;
    return cancelled;
}

void ImportAudioIntoTrack(AppContext& context) {
    if (!context.project.projectLoaded || !context.project.buffersReady()) return;
    PasteImported(context, CopyFromFile(context), context.project.selectionStart);
}

void DropFile(AppContext& context) {
    const auto [path, frame] = std::exchange(context.drop, {});
    if (IsProjectFile(path)) return OpenProjectFileCommand(context, path);
    if (!context.project.projectLoaded || !context.project.buffersReady()) return;
    context.workSync.nextStepName = "Import Audio";
    PasteImported(context, ImportIntoClipboard(context, path), frame);
}

}  // namespace jorv
