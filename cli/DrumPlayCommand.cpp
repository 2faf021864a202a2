#include <chrono>
#include <thread>

#include "cli/DrumSong.h"
#include "cli/Subcommand.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"
#include "devices/ThreadTickTimer.h"
#include "instruments/DrumPlayer.h"

namespace jorv::cli {

namespace {

// The port named by --midi-out, else the built-in synthesizer, else silence.
std::unique_ptr<MidiOutput> OpenOutput(const Arguments& arguments) {
    const std::string api = arguments.value("--api").value_or("");
    if (const auto name = arguments.value("--midi-out"))
        if (auto port = OpenMidiPortOutput(*name, api)) return port;
    if (auto synth = OpenSynthOutput(api)) return synth;
    return std::make_unique<SilentMidiOutput>();
}

int RunDrumPlay(SubcommandContext& context) {
    if (const auto api = context.arguments.value("--api"); api && !IsAudioApiName(*api)) return ExitUsage;
    DrumBlock drums{};
    uint32_t capacity = 0;
    if (const int status = LoadSong(context, drums, capacity); status != ExitSuccess) return status;
    const auto output = OpenOutput(context.arguments);
    ThreadTickTimer timer;
    DrumPlayer player;
    player.open(capacity, *output, timer);
    player.build(drums);
    context.out << "events " << player.events().events() << std::endl;
    player.start();
    while (player.running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    player.close();
    std::this_thread::sleep_for(std::chrono::milliseconds(output->ringOutMs()));
    return ExitSuccess;
}

}  // namespace

const Subcommand& DrumPlayCommand() {
    static const Subcommand command{"drum-play", "PATTERNS [--song TEXT] [--midi-out NAME] [--api NAME]",
                                    {{"PATTERNS"}, {"--song", "--midi-out", "--api"}, {}}, RunDrumPlay};
    return command;
}

}  // namespace jorv::cli
