#include "app/shell/StartUp.h"

#include "app/shell/AppPaths.h"
#include "core/CommandIds.h"
#include "instruments/DrumBlockSetup.h"

namespace jorv {

void PrepareStartUp(AppContext& context, const std::string& exeDir) {
    SetStartupPaths(context.project, exeDir);
    ReadSettings(context.settings, context.project.iniPath);
}

void FinishStartUp(AppContext& context) {
    InitialiseDrumBlock(context.project.block.drumBlock);
    context.transport.openDrumOutput(context.settings.midiBufferEntries);
    context.ui.postCommand(cmd::New);
}

void ShutDown(AppContext& context) {
    context.transport.closeDrumOutput();
    context.transport.closeWaveDevices(context);
}

}  // namespace jorv
