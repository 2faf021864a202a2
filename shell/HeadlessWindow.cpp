#include "shell/HeadlessWindow.h"

#include <utility>

#include "shell/EffectDialogState.h"
#include "shell/ExternalTools.h"
#include "shell/ProjectCommands.h"
#include "shell/TrackPropertiesDialogLogic.h"
#include "core/Utf16Text.h"

namespace jorv {

void HeadlessWindow::runProjectSettings() {
    if (!context_) return;
    const Project& project = context_->project;
    AcceptProjectSettingsDialog(*context_, project.block.header.memPerTrackMB, project.projectPath);
}

void HeadlessWindow::runTrackProperties() {
    if (!context_) return;
    Project& project = context_->project;
    AcceptTrackProperties(project, FieldToUtf8(project.current().title), context_->ui);
}

int HeadlessWindow::runEffectDialog() {
    const auto values = std::exchange(effectParameters_, std::nullopt);
    if (!context_ || !values) return EffectDialogCancel;
    EffectDialogState& dialog = context_->effectDialog;
    OpenEffectDialog(dialog);
    dialog.effectParams = *values;
    AcceptEffectDialog(dialog, context_->project, context_->effectRandom, context_->ui);
    return EffectDialogOk;
}

void HeadlessWindow::showHelp(const std::string& helpFile) {
    if (context_) context_->ui.showMessage("The help is the document " + helpFile + ".", HelpCaption, MessageKind::Plain);
}

}  // namespace jorv
