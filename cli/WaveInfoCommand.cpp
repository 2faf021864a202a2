#include <memory>
#include <new>

#include "cli/Subcommand.h"
#include "core/TrackBuffers.h"
#include "core/WaveFile.h"

namespace jorv::cli {

std::optional<int> MemoryPerTrack(const Arguments& arguments) {
    const auto text = arguments.value("--mem");
    if (!text) return 4;
    const auto megabytes = ParseNumber(*text, 1, 256);
    if (!megabytes) return std::nullopt;
    return static_cast<int>(*megabytes);
}

namespace {

int RunWaveInfo(SubcommandContext& context) {
    const auto megabytes = MemoryPerTrack(context.arguments);
    if (!megabytes) return ExitUsage;
    const uint32_t framesPerTrack = uint32_t(*megabytes) * FramesPerMegabyte;
    const std::unique_ptr<Frame[]> buffer(AllocateFrames(framesPerTrack));
    if (!buffer) {
        ShowError(context.ui, BufferMemoryMessage);
        return ExitFailure;
    }
    uint32_t frames = 0;
    const int result = LoadWave(context.arguments.positional[0], buffer.get(), framesPerTrack, context.ui, &frames);
    context.out << "result " << result << '\n';
    if (result >= FirstWaveFailure) return ExitFailure;
    context.out << "frames " << frames << '\n';
    return ExitSuccess;
}

}  // namespace

const Subcommand& WaveInfoCommand() {
    static const Subcommand command{"wave-info", "FILE [--mem MB]", {{"FILE"}, {"--mem"}, {}}, RunWaveInfo};
    return command;
}

}  // namespace jorv::cli
