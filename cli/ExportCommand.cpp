#include "cli/Subcommand.h"
#include "core/TrackBuffers.h"
#include "core/WaveFile.h"
#include "formats/AudioExport.h"
#include "shell/AppPaths.h"
#include "shell/Settings.h"

namespace jorv::cli {

std::optional<int> ExportQuality(const Arguments& arguments) {
    if (const auto text = arguments.value("--quality")) {
        const auto quality = ParseNumber(*text, 0, MaxExportQuality);
        return quality ? std::optional<int>(int(*quality)) : std::nullopt;
    }
    // As Options has set it for the window.
    Project paths;
    ProgramPaths programPaths;
    SetStartupPaths(paths, programPaths, ResolveAppFolders(ExecutableFolder()));
    Settings settings;
    ReadSettings(settings, programPaths.settings);
    return settings.exportQuality;
}

namespace {

int RunExport(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const WaveHeaderInfo info = InspectWave(words[0]);
    const auto start = ParseNumber(words[1], 0, info.frames);
    const auto end = ParseNumber(words[2], 0, info.frames);
    const auto quality = ExportQuality(context.arguments);
    if (!start || !end || *end < *start || !quality) return ExitUsage;
    const FrameBuffer frames(AllocateFrames(info.frames + 1));
    if (!frames) {
        ShowError(context.ui, BufferMemoryMessage);
        return ExitFailure;
    }
    if (LoadWave(words[0], frames.get(), info.frames + 1, context.ui) >= FirstWaveFailure) return ExitFailure;
    const auto count = uint32_t(*end - *start);
    if (ExportFrames(frames.get() + *start, count, words[3], *quality, context.ui) != ExportOutcome::Written) return ExitFailure;
    context.out << "frames " << count << '\n';
    return ExitSuccess;
}

}  // namespace

const Subcommand& ExportCommand() {
    static const Subcommand command{"export", "IN START END OUT [--quality Q]",
                                    {{"IN", "START", "END", "OUT"}, {"--quality"}, {}}, RunExport};
    return command;
}

}  // namespace jorv::cli
