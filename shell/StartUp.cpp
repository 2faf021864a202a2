#include "shell/StartUp.h"

#include "shell/AppPaths.h"
#include "shell/DrumOutput.h"
#include "shell/CommandIds.h"
#include "core/FileHandle.h"
#include "devices/AudioApi.h"
#include "instruments/DrumBlockSetup.h"

namespace jorv {

void PrepareStartUp(AppContext& context, const AppFolders& folders) {
    SetStartupPaths(context.project, context.paths, folders);
    ReadSettings(context.settings, context.paths.settings);
    const Settings& settings = context.settings;
    context.ui.showRecentProjects(settings.recentProjects);
    context.wave.useDevices({WindowAudioApi(settings.audioApi), settings.audioOutput, settings.audioInput}, context.ui);
    // A missing file simply means the defaults; one that is there but cannot be read is said.
    if (OpenForReading(context.paths.settings).outcome == FileForReading::Outcome::Refused)
        ShowError(context.ui, SettingsUnreadableMessage);
}

void FinishStartUp(AppContext& context, const std::string& projectFile) {
    InitialiseDrumBlock(context.project.block.drumBlock);
    context.startupProject = projectFile;
    context.ui.postCommand(projectFile.empty() ? cmd::New : cmd::OpenStartupProject);
}

void ShutDown(AppContext& context) {
    CloseDrumOutput(context);
    context.wave.closeDevices(context.project, context.ui);
}

}  // namespace jorv
