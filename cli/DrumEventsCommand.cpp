#include "cli/DrumSong.h"
#include "cli/Subcommand.h"
#include "instruments/DrumEvents.h"

namespace jorv::cli {

namespace {

int RunDrumEvents(SubcommandContext& context) {
    DrumBlock drums{};
    uint32_t capacity = 0;
    if (const int status = LoadSong(context, drums, capacity); status != ExitSuccess) return status;
    DrumEventList list(capacity);
    BuildDrumEvents(drums, list);
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
