#include "shell/CommandDispatch.h"

#include "shell/CommandTable.h"
#include "shell/MenuPaths.h"
#include "shell/StopAll.h"
#include "core/ProjectFile.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

// The FX menu's effects open the parameter dialog, always from the effect's defaults.
void ShowEffectDialog(AppContext& context, EffectId id) {
    context.effectDialog.dialogEffectId = id;
    context.window.runEffectDialog();
}

CommandResult Dispatch(AppContext& context, int id, Notification notification) {
    if (FindEffect(id)) {
        ShowEffectDialog(context, id);
        return CommandResult::Handled;
    }
    const CommandEntry* command = FindCommand(id);
    if (!command) return CommandResult::NotACommand;
    if (command->handler) command->handler(context, notification);
    if (command->redraw == Redraw::Wave) context.ui.invalidateWave();
    return CommandResult::Handled;
}

}  // namespace

CommandResult RunCommand(AppContext& context, int id, Notification notification) {
    StopAll(context);
    const CommandResult result = Dispatch(context, id, notification);
    SyncWorkingCopy(context, StepName(id));
    ShowUndoState(context);
    RefreshProjectTitle(context.project, context.ui);
    return result;
}

}  // namespace jorv
