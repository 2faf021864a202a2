#include "cli/Subcommand.h"
#include "shell/HeadlessWindow.h"
#include "shell/ProjectCommands.h"
#include "core/ProjectFile.h"
#include "core/WorkRecovery.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"

namespace jorv::cli {

namespace {

void PrintWork(std::ostream& out, const RecoverableWork& work) {
    if (work.empty()) out << "recoverable none\n";
    for (const auto& track : work.tracks) out << "track " << track.track << " frames " << track.frames << '\n';
    if (work.take) out << "take " << work.take->track << ' ' << work.take->start << ' ' << work.take->frames << '\n';
    if (work.projectChanged) out << "project\n";
}

int RunRecover(SubcommandContext& c) {
    const auto device = MakeAbsentWaveDevice();
    WaveEngine engine(*device);
    HeadlessWindow window;
    AppContext app(c.ui, engine, window);
    Project& project = app.project;
    const std::string path = FullProjectPath(c.arguments.positional[0]);
    WorkingCopy work;
    const WorkingCopy::Claim claim = work.claim(path);
    if (claim == WorkingCopy::Claim::InUse) {
        c.ui.showMessage(ProjectInUseMessage, RefusalCaption, MessageKind::Error);
        return ExitFailure;
    }
    if (!OpenProjectFile(project, path, c.ui)) {
        if (claim == WorkingCopy::Claim::Fresh) work.discard();
        return ExitFailure;
    }
    project.work = std::move(work);
    const RecoverableWork found = InspectWork(project);
    PrintWork(c.out, found);
    // A folder made just now, or holding nothing, is not left behind.
    if (claim == WorkingCopy::Claim::Fresh || found.empty()) project.work.discard();
    if (!c.arguments.has("--yes") || found.empty()) return found.damaged ? ExitFailure : ExitSuccess;
    if (found.damaged) {
        ShowError(c.ui, DamagedWorkMessage);
        return ExitFailure;
    }
    RecoverWork(project, c.ui);
    project.projectLoaded = true;
    if (!SaveWork(app)) return ExitFailure;
    project.work.discard();
    return ExitSuccess;
}

}  // namespace

const Subcommand& RecoverCommand() {
    static const Subcommand command{"recover", "PROJECT [--yes]", {{"PROJECT"}, {}, {}}, RunRecover};
    return command;
}

}  // namespace jorv::cli
