#include <chrono>
#include <thread>

#include "cli/Subcommand.h"
#include "shell/ExportCommands.h"
#include "core/ProjectFile.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "shell/HeadlessWindow.h"
#include "shell/Rip.h"
#include "shell/StopAll.h"
#include "shell/TransportRun.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"

namespace jorv::cli {

namespace {

std::optional<int> ParseTrack(const std::string& text, const Project& project) {
    const auto track = ParseNumber(text, 0, MaxTracks - 1);
    if (!track || *track >= project.usedTracks()) return std::nullopt;
    return static_cast<int>(*track);
}

std::optional<int> TrackOption(const Arguments& arguments, const Project& project, const char* option) {
    const auto text = arguments.value(option);
    return text ? ParseTrack(*text, project) : 0;
}

std::optional<std::pair<uint32_t, uint32_t>> Selection(const Arguments& a, std::size_t first, const Project& p) {
    const auto start = ParseNumber(a.positional[first], 0, p.framesPerTrack);
    const auto end = ParseNumber(a.positional[first + 1], 0, p.framesPerTrack);
    if (!start || !end || *end < *start) return std::nullopt;
    return std::make_pair(uint32_t(*start), uint32_t(*end));
}

int RunProjectInfo(SubcommandContext& c) {
    Project project;
    if (!OpenProjectFile(project, c.arguments.positional[0], c.ui)) return ExitFailure;
    const ProjectHeader& header = project.block.header;
    c.out << "name " << FieldToUtf8(header.name) << '\n'
          << "memPerTrackMB " << header.memPerTrackMB << '\n'
          << "trackCount " << header.trackCount << '\n';
    for (int t = 0; t < project.usedTracks(); ++t) {
        const Track& track = project.block.tracks[t];
        c.out << "track " << t << " title=" << FieldToUtf8(track.title) << " file=" << FieldToUtf8(track.waveFile)
              << " volume=" << track.volume << " pan=" << track.pan << " mute=" << track.mute << '\n';
    }
    return ExitSuccess;
}

// Opens the project, creates its buffers (with the devices, when an engine is given) and selects
// the track and the selection, as the window has them before a command. The project is the
// positional word at projectAt, the track the word after it (or trackOption).
int Prepare(SubcommandContext& c, Project& project, std::size_t selectionAt, const char* trackOption,
            WaveEngine* engine, std::size_t projectAt = 0) {
    if (!OpenProjectFile(project, c.arguments.positional[projectAt], c.ui)) return ExitFailure;
    const int memPerTrackMB = project.block.header.memPerTrackMB;
    const bool ready = engine ? engine->openDevices(project, memPerTrackMB, c.ui)
                              : CreateTrackBuffers(project, memPerTrackMB, c.ui);
    if (!ready) return ExitFailure;
    const std::optional<int> track = trackOption ? TrackOption(c.arguments, project, trackOption)
                                                 : ParseTrack(c.arguments.positional[projectAt + 1], project);
    const auto selection = Selection(c.arguments, selectionAt, project);
    if (!track || !selection) return ExitUsage;
    SelectTrack(project, *track, c.ui);
    project.selectionStart = selection->first;
    project.selectionEnd = selection->second;
    project.projectLoaded = true;
    return ExitSuccess;
}

int RunMixdown(SubcommandContext& c) {
    Project project;
    if (const int status = Prepare(c, project, 1, "--track", nullptr)) return status;
    const auto quality = ExportQuality(c.arguments);
    if (!quality) return ExitUsage;
    return WriteMixdown(project, c.arguments.positional[3], *quality, c.ui) == ExportOutcome::Written ? ExitSuccess : ExitFailure;
}

// A rip source (the first word) is armed as the Rip MCI dialog's OK arms it; the player is
// given time to load it, as a user takes time before pressing Record.
void ArmRip(SubcommandContext& c, AppContext& app, const std::string& api) {
    constexpr int PlayerLoadTimeoutMs = 5000;
    app.rip.startPlayer = [api] { return StartMediaPlayer(api); };
    AcceptRipDialog(app, c.arguments.positional[0]);
    if (app.rip.player) app.rip.player->waitUntilLoaded(PlayerLoadTimeoutMs);
    else c.err << "jorv-cli: the media player (libmpv) could not be started\n";
}

// Play or Record of the selection through the shell, as the window runs them, until the
// selection end; a recording then writes the track's file.
int RunTransport(SubcommandContext& c, bool recording, bool rip = false) {
    const auto latency = ParseNumber(c.arguments.value("--latency").value_or("0"), 0, 1 << 30);
    if (!latency) return ExitUsage;
    const std::string api = c.arguments.value("--api").value_or("");
    if (!api.empty() && !IsAudioApiName(api)) return ExitUsage;
    const auto device = MakeSystemWaveDevice(api);
    WaveEngine engine(*device);
    HeadlessWindow window;
    AppContext app(c.ui, engine, window);
    Project& project = app.project;
    const std::size_t projectAt = rip ? 1 : 0;
    const std::size_t selectionAt = projectAt + (recording ? 2 : 1);
    if (const int status = Prepare(c, project, selectionAt, recording ? nullptr : "--track", &engine, projectAt))
        return status;
    app.settings.recordLatency = static_cast<int>(*latency);
    project.mergeRecord = c.arguments.has("--merge");
    if (rip) ArmRip(c, app, api);
    const TransportStart started = recording ? StartRecord(app) : StartPlay(app);
    if (started == TransportStart::Started)
        RunTransportToEnd(app, [] { std::this_thread::sleep_for(std::chrono::milliseconds(2)); });
    else
        StopAll(app);
    c.out << "dropouts " << engine.monitor().dropouts.count() << '\n';
    if (recording) FlushTrack(project, c.ui);
    engine.closeDevices(project, c.ui);
    return started == TransportStart::Started ? ExitSuccess : ExitFailure;
}

int RunPlay(SubcommandContext& c) { return RunTransport(c, false); }
int RunRecord(SubcommandContext& c) { return RunTransport(c, true); }
int RunRip(SubcommandContext& c) { return RunTransport(c, true, true); }

}  // namespace

const Subcommand& ProjectInfoCommand() {
    static const Subcommand command{"project-info", "PROJECT", {{"PROJECT"}, {}, {}}, RunProjectInfo};
    return command;
}

const Subcommand& MixdownCommand() {
    static const Subcommand command{
        "mixdown", "PROJECT START END OUT [--track N] [--quality Q]",
        {{"PROJECT", "START", "END", "OUT"}, {"--track", "--quality"}, {}}, RunMixdown};
    return command;
}

const Subcommand& PlayCommand() {
    static const Subcommand command{"play", "PROJECT START END [--track N] [--api NAME]",
                                    {{"PROJECT", "START", "END"}, {"--track", "--api"}, {}}, RunPlay};
    return command;
}

const Subcommand& RipCommand() {
    static const Subcommand command{"rip", "SOURCE PROJECT TRACK START END [--api NAME]",
                                    {{"SOURCE", "PROJECT", "TRACK", "START", "END"}, {"--api"}, {}}, RunRip};
    return command;
}

const Subcommand& RecordCommand() {
    static const Subcommand command{"record", "PROJECT TRACK START END [--merge] [--latency N] [--api NAME]",
                                    {{"PROJECT", "TRACK", "START", "END"}, {"--latency", "--api"}, {"--merge"}},
                                    RunRecord};
    return command;
}

}  // namespace jorv::cli
