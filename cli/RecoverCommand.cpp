#include "cli/Subcommand.h"
#include "shell/HeadlessWindow.h"
#include "shell/ProjectCommands.h"
#include "core/ProjectFile.h"
#include "core/WorkRecovery.h"
#include "devices/WaveEngine.h"

namespace jorv::cli {

namespace {

// A device that is never opened: recovering and saving need no audio.
class NoDevice final : public WaveDevice {
public:
    bool openOutput() override { return false; }
    bool openInput() override { return false; }
    bool close() override { return true; }
    bool play(const Frame*, uint32_t) override { return false; }
    bool playAndRecord(const Frame*, uint32_t, Frame*, uint32_t) override { return false; }
    void reset() override {}
    uint32_t playedFrames() const override { return 0; }
    bool takeBufferDone() override { return false; }
    DeviceCounters counters() const override { return {}; }
};

void PrintWork(std::ostream& out, const RecoverableWork& work) {
    if (work.empty()) out << "recoverable none\n";
    for (const auto& track : work.tracks) out << "track " << track.track << " frames " << track.frames << '\n';
    if (work.projectChanged) out << "project\n";
}

int RunRecover(SubcommandContext& c) {
    NoDevice device;
    WaveEngine engine(device);
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
