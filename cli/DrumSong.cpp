#include "cli/DrumSong.h"

#include "core/Utf16Text.h"
#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "instruments/DrumPatternFile.h"
#include "shell/RecordFileKinds.h"

namespace jorv::cli {

namespace {

constexpr long long MaxEntries = 1 << 24;

}  // namespace

int LoadSong(SubcommandContext& context, DrumBlock& drums, uint32_t& capacity) {
    const auto entries = context.arguments.value("--entries");
    const auto parsed = entries ? ParseNumber(*entries, 0, MaxEntries) : 65536;
    if (!parsed) return ExitUsage;
    capacity = static_cast<uint32_t>(*parsed);
    drums = DrumBlock{};
    InitialiseDrumBlock(drums);
    if (!ReadDrumPatternFile(drums, context.arguments.positional[0])) {
        ShowError(context.ui, DrumOpenFailedMessage);
        return ExitFailure;
    }
    if (const auto song = context.arguments.value("--song")) StoreSongPattern(drums, Utf8ToUtf16(*song));
    return ExitSuccess;
}

}  // namespace jorv::cli
