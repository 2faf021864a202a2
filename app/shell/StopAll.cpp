#include "app/shell/StopAll.h"

#include "app/shell/MidiModes.h"

namespace jorv {

void StopAll(AppContext& context) {
    Project& project = context.project;
    if (!project.busy || !project.projectLoaded) return;
    context.wave.stop(project, context.ui);
    if (project.drumsActive) context.drums.stop();
    context.view.cursorX = 0;
    if (!FinishArmedMode(context)) context.ui.setStatus("Stopped");
}

}  // namespace jorv
