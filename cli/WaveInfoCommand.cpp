#include "cli/Subcommand.h"

namespace jorv::cli {

namespace {

int RunWaveInfo(SubcommandContext& context) {
    LoadedWave loaded;
    const int status = LoadTrackWave(context, context.arguments.positional[0], loaded);
    if (status == ExitUsage || !loaded.buffer) return status;
    context.out << "result " << loaded.result << '\n';
    if (status != ExitSuccess) return status;
    context.out << "frames " << loaded.frames << '\n';
    return ExitSuccess;
}

}  // namespace

const Subcommand& WaveInfoCommand() {
    static const Subcommand command{"wave-info", "FILE [--mem MB]", {{"FILE"}, {"--mem"}, {}}, RunWaveInfo};
    return command;
}

}  // namespace jorv::cli
