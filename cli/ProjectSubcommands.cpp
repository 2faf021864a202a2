#include <chrono>
#include <thread>

#include "cli/Subcommand.h"
#include "core/Mixdown.h"
#include "core/ProjectFile.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "app/shell/Rip.h"
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

// Opens the project, creates its buffers and selects the track; nothing when it fails.
struct OpenedProject {
    Project project;
    int track = 0;
};

// The project is the positional word at projectAt, the track the word after it (or trackOption).
int Prepare(SubcommandContext& c, OpenedProject& opened, std::size_t selectionAt, const char* trackOption,
            WaveEngine* engine, std::size_t projectAt = 0) {
    Project& project = opened.project;
    if (!OpenProjectFile(project, c.arguments.positional[projectAt], c.ui)) return ExitFailure;
    const bool ready = engine ? OpenWaveDevices(project, *engine, project.block.header.memPerTrackMB, c.ui)
                              : CreateTrackBuffers(project, project.block.header.memPerTrackMB, c.ui);
    if (!ready) return ExitFailure;
    const std::optional<int> track = trackOption ? TrackOption(c.arguments, project, trackOption)
                                                 : ParseTrack(c.arguments.positional[projectAt + 1], project);
    const auto selection = Selection(c.arguments, selectionAt, project);
    if (!track || !selection) return ExitUsage;
    opened.track = static_cast<int>(*track);
    SelectTrack(project, opened.track, c.ui);
    project.selectionStart = selection->first;
    project.selectionEnd = selection->second;
    project.projectLoaded = true;
    return ExitSuccess;
}

int RunMixdown(SubcommandContext& c) {
    OpenedProject opened;
    if (const int status = Prepare(c, opened, 1, "--track", nullptr)) return status;
    c.ui.chosenFile = c.arguments.positional[3];
    SaveMixdown(opened.project, c.ui);
    return ExitSuccess;
}

// Runs the transport until it reaches its end, as the window's polling does.
void RunUntilSelectionEnd(Project& project, WaveEngine& engine) {
    while (project.busy && !TransportReachedEnd(project, engine)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

// Play or Record of the selection; a rip source (the first word) is armed first, as the Rip MCI
// dialog's OK arms it, and its player runs with the take.
int RunTransport(SubcommandContext& c, bool recording, bool rip = false) {
    const auto latency = ParseNumber(c.arguments.value("--latency").value_or("0"), 0, 1 << 30);
    if (!latency) return ExitUsage;
    const std::string api = c.arguments.value("--api").value_or("");
    if (!api.empty() && !IsAudioApiName(api)) return ExitUsage;
    const auto device = MakeSystemWaveDevice(api);
    WaveEngine engine(*device);
    OpenedProject opened;
    const std::size_t projectAt = rip ? 1 : 0;
    if (const int status = Prepare(c, opened, projectAt + (recording ? 2 : 1), recording ? nullptr : "--track", &engine,
                                   projectAt))
        return status;
    Project& project = opened.project;
    std::unique_ptr<MediaPlayer> player = rip ? StartMediaPlayer(api) : nullptr;
    const RipCommands commands = RipCommandsFor(rip ? c.arguments.positional[0] : std::string());
    if (player) {
        player->send(commands.first);
        WaitUntilPlayerLoaded(*player, 5000);
        player->send(commands.play);
    } else if (rip) {
        c.err << "jorv-cli: the media player (libmpv) could not be started\n";
    }
    const Take take{project.selectionStart, project.selectionEnd, c.arguments.has("--merge"), static_cast<int>(*latency)};
    const int started = recording ? StartRecording(project, engine, take, c.ui)
                                  : StartPlayback(project, engine, take.start, take.end, c.ui);
    if (started == 0) RunUntilSelectionEnd(project, engine);
    StopWave(project, engine, c.ui);
    if (player) player->send(commands.stop);
    const DeviceCounters counters = device->counters();
    if (counters.underruns || counters.overruns)
        c.err << "jorv-cli: " << counters.underruns << " underruns, " << counters.overruns << " overruns\n";
    if (recording) FlushTrack(project, c.ui);
    CloseWaveDevices(project, engine, c.ui);
    return started == 0 ? ExitSuccess : ExitFailure;
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
        "mixdown", "PROJECT START END OUT [--track N]", {{"PROJECT", "START", "END", "OUT"}, {"--track"}, {}}, RunMixdown};
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
