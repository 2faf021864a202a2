#include "cli/Subcommand.h"
#include "effects/EffectChain.h"
#include "effects/EffectListFile.h"
#include "shell/RecordFileKinds.h"

namespace jorv::cli {

namespace {

int RunChain(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const auto start = ParseNumber(words[1], 0, UINT32_MAX);
    const auto end = ParseNumber(words[2], 0, UINT32_MAX);
    const auto blendText = context.arguments.value("--blend");
    const auto blend = blendText ? ParseNumber(*blendText, 0, 255) : 0;
    if (!start || !end || !blend) return ExitUsage;
    EffectChain chain = NewEffectChain();
    if (!ReadEffectListFile(chain, words[0])) {
        ShowError(context.ui, ChainOpenFailedMessage);
        return ExitFailure;
    }
    if (blendText) chain.blend = static_cast<uint16_t>(*blend);

    Project project;
    uint32_t frames = 0;
    if (const int status = LoadTrackWithScratch(context, words[3], project, frames); status != ExitSuccess) return status;
    EffectRandom random;
    context.out << "result " << ApplyChainToRange(project, chain, uint32_t(*start), uint32_t(*end), random) << '\n';
    return SaveTrackResult(context, words[4], project, frames);
}

}  // namespace

const Subcommand& ChainCommand() {
    static const Subcommand command{"chain", "LIST START END IN OUT [--blend B] [--mem MB]",
                                    {{"LIST", "START", "END", "IN", "OUT"}, {"--blend", "--mem"}, {}}, RunChain};
    return command;
}

}  // namespace jorv::cli
