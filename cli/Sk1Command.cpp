#include "cli/CaptureRendering.h"
#include "cli/TrackOptions.h"
#include "instruments/CapturedNotes.h"

namespace jorv::cli {

namespace {

int RunSk1(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const auto start = ParseNumber(words[2], 0, UINT32_MAX);
    const auto end = ParseNumber(words[3], 0, UINT32_MAX);
    Project project;
    if (!start || !end || *end < *start || !ApplyTrackOptions(context.arguments, project)) return ExitUsage;
    project.clipperPath = words[1];
    const auto entries = ReadEventsFile(context, words[0]);
    if (!entries) return ExitFailure;
    if (const int status = PrepareTrack(context, project, words[4], uint32_t(*start), uint32_t(*end)); status != ExitSuccess)
        return status;
    context.out << "notes " << RenderSk1(project, *entries, words[4], context.ui) << '\n';
    return SaveTrackResult(context, words[5], project, project.framesPerTrack);
}

}  // namespace

const Subcommand& Sk1Command() {
    static const Subcommand command{
        "sk1", "EVENTS CLIP START END IN OUT [--volume V] [--pan P] [--mute] [--mem MB]",
        {{"EVENTS", "CLIP", "START", "END", "IN", "OUT"}, {"--volume", "--pan", "--mem"}, {"--mute"}}, RunSk1};
    return command;
}

}  // namespace jorv::cli
