#include "cli/Subcommand.h"
#include "devices/AudioApi.h"
#include "devices/LatencyMeasurement.h"
#include "devices/SystemDevices.h"

namespace jorv::cli {

namespace {

int RunMeasureLatency(SubcommandContext& context) {
    const std::string api = context.arguments.value("--api").value_or("");
    if (!api.empty() && !IsAudioApiName(api)) return ExitUsage;
    const auto device = MakeSystemWaveDevice(api);
    const LatencyMeasurement measured = MeasureLatency(*device, context.arguments.has("--wire"));
    if (const std::string_view message = LatencyMessage(measured); !message.empty()) {
        ShowError(context.ui, message);
        return ExitFailure;
    }
    context.out << "latency " << measured.latency << '\n' << "frames " << measured.frames << '\n';
    return ExitSuccess;
}

}  // namespace

const Subcommand& MeasureLatencyCommand() {
    static const Subcommand command{"measure-latency", "[--api NAME] [--wire]", {{}, {"--api"}, {"--wire"}}, RunMeasureLatency};
    return command;
}

}  // namespace jorv::cli
