#include "app/shell/StopAll.h"

namespace jorv {

void StopAll(AppContext& context) {
    Project& project = context.project;
    if (!project.busy || !project.projectLoaded) return;
    context.transport.stopWave(context, project.selectionStart, project.selectionEnd, project.mergeRecord);
    context.view.cursorX = 0;
    if (project.drumsActive) context.transport.stopDrumSequence();
    if (context.modes.ripArmed) {
        context.transport.sendRipStop();
        context.modes.ripArmed = false;
    }
    if (context.modes.sk1Armed) {
        context.transport.finishSk1(context);
    } else if (context.modes.ttsArmed) {
        context.transport.finishTts(context);
    } else {
        context.ui.setStatus("Stopped");
    }
}

}  // namespace jorv
