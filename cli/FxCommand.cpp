#include "cli/Subcommand.h"
#include "effects/ApplyEffect.h"

namespace jorv::cli {

namespace {

constexpr long long Int32Min = -2147483648LL, Int32Max = 2147483647LL;

int RunFx(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const auto id = ParseNumber(words[0], Int32Min, Int32Max);
    const auto p1 = ParseNumber(words[1], Int32Min, Int32Max);
    const auto p2 = ParseNumber(words[2], Int32Min, Int32Max);
    const auto p3 = ParseNumber(words[3], Int32Min, Int32Max);
    const auto start = ParseNumber(words[4], 0, UINT32_MAX);
    const auto end = ParseNumber(words[5], 0, UINT32_MAX);
    if (!id || !p1 || !p2 || !p3 || !start || !end) return ExitUsage;

    LoadedWave loaded;
    const int status = LoadTrackWave(context, words[6], loaded);
    if (status != ExitSuccess) return status;
    Project project;
    project.framesPerTrack = loaded.framesPerTrack;
    project.trackBuffer = std::move(loaded.buffer);
    EffectRandom random;
    const int32_t result = ApplyEffect(project, EffectId(*id), uint32_t(*start), uint32_t(*end), int32_t(*p1),
                                       int32_t(*p2), int32_t(*p3), random);
    context.out << "result " << result << '\n';
    return SaveTrackResult(context, words[7], project, loaded.frames);
}

}  // namespace

const Subcommand& FxCommand() {
    static const Subcommand command{"fx", "ID P1 P2 P3 START END IN OUT [--mem MB]",
                                    {{"ID", "P1", "P2", "P3", "START", "END", "IN", "OUT"}, {"--mem"}, {}}, RunFx};
    return command;
}

}  // namespace jorv::cli
