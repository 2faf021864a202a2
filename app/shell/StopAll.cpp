#include "app/shell/StopAll.h"

namespace jorv {

void StopAll(AppContext& context) {
    Project& project = context.project;
    if (!project.busy || !project.projectLoaded) return;
    context.wave.stop(project, context.ui);
    if (project.drumsActive) context.drums.stop();
    context.view.cursorX = 0;
    context.ui.setStatus("Stopped");
}

}  // namespace jorv
