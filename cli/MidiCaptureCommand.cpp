#include <charconv>
#include <chrono>
#include <thread>

#include "cli/Subcommand.h"
#include "devices/AudioApi.h"
#include "devices/MidiCapture.h"
#include "devices/SystemDevices.h"

namespace jorv::cli {

namespace {

constexpr uint32_t CaptureEntries = 65536;  // the capacity a run starts with

std::optional<double> ParseSeconds(const std::string& text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(seconds >= 0 && seconds <= 86400))
        return std::nullopt;
    return seconds;
}

int RunMidiCapture(SubcommandContext& context) {
    const auto seconds = ParseSeconds(context.arguments.positional[0]);
    const std::string api = context.arguments.value("--api").value_or("");
    if (!seconds || (!api.empty() && !IsAudioApiName(api))) return ExitUsage;
    const auto name = context.arguments.value("--midi-in");
    const auto input = name ? MakeMidiInputPort(*name, api) : MakeMidiInputPort(0, api);
    MidiCapture capture;
    capture.open(CaptureEntries, *input);
    capture.start();
    std::this_thread::sleep_for(std::chrono::duration<double>(*seconds));
    capture.stop();
    const auto entries = capture.entries();
    context.out << "events " << entries.size() / 2 << '\n';
    for (std::size_t k = 0; k + 1 < entries.size(); k += 2) context.out << entries[k] << ' ' << entries[k + 1] << '\n';
    if (capture.inputOpened()) return ExitSuccess;
    context.err << "jorv-cli: no MIDI input port" << (name ? " named like \"" + *name + "\"" : std::string()) << '\n';
    return ExitFailure;
}

}  // namespace

const Subcommand& MidiCaptureCommand() {
    static const Subcommand command{"midi-capture", "SECONDS [--midi-in NAME] [--api NAME]",
                                    {{"SECONDS"}, {"--midi-in", "--api"}, {}}, RunMidiCapture};
    return command;
}

}  // namespace jorv::cli
