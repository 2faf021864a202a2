#include "shell/StopAll.h"

#include "shell/DropoutMarks.h"
#include "shell/MidiModes.h"
#include "shell/Rip.h"

namespace jorv {

void StopAll(AppContext& context) {
    Project& project = context.project;
    if (!project.busy || !project.projectLoaded) return;
    context.wave.stop(project, context.ui);
    if (context.runningTake)
        context.view.dropoutMarks = TakeDropoutFrames(context.wave.monitor().dropouts.positions(), *context.runningTake);
    context.runningTake.reset();
    if (project.drumsActive) context.drums.stop();
    StopRipPlayer(context);
    context.view.cursorX = 0;
    if (!FinishArmedMode(context)) context.ui.setStatus("Stopped");
}

}  // namespace jorv
