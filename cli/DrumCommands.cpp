#include "cli/Subcommand.h"
#include "core/Utf16Text.h"
#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEvents.h"
#include "instruments/DrumPatternFile.h"

namespace jorv::cli {

namespace {

constexpr long long MaxEntries = 1 << 24;

// The song of PATTERNS (loaded onto a fresh block) or of --song, as a list of --entries.
int BuildSong(SubcommandContext& context, DrumEventList& list) {
    const auto entries = context.arguments.value("--entries");
    const auto capacity = entries ? ParseNumber(*entries, 0, MaxEntries) : 65536;
    if (!capacity) return ExitUsage;
    DrumBlock drums{};
    InitialiseDrumBlock(drums);
    if (!ReadDrumPatternFile(drums, context.arguments.positional[0])) {
        ShowError(context.ui, DrumOpenFailedMessage);
        return ExitFailure;
    }
    if (const auto song = context.arguments.value("--song")) StoreSongPattern(drums, Utf8ToUtf16(*song));
    list = DrumEventList(static_cast<uint32_t>(*capacity));
    BuildDrumEvents(drums, list);
    return ExitSuccess;
}

int RunDrumEvents(SubcommandContext& context) {
    DrumEventList list;
    if (const int status = BuildSong(context, list); status != ExitSuccess) return status;
    context.out << "events " << list.events() << '\n';
    for (int32_t k = 0; k < list.events(); ++k) {
        const uint32_t message = list.message(k);
        context.out << list.dueMs(k) << ' ' << (message & 0xFF) << ' ' << (message >> 8 & 0xFF) << ' '
                    << (message >> 16 & 0xFF) << '\n';
    }
    return ExitSuccess;
}

}  // namespace

const Subcommand& DrumEventsCommand() {
    static const Subcommand command{"drum-events", "PATTERNS [--song TEXT] [--entries N]",
                                    {{"PATTERNS"}, {"--song", "--entries"}, {}}, RunDrumEvents};
    return command;
}

}  // namespace jorv::cli
