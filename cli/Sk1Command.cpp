#include "cli/CaptureRendering.h"
#include "instruments/CapturedNotes.h"

namespace jorv::cli {

namespace {

int RunSk1(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    Project project;
    std::vector<int32_t> entries;
    if (const int status = PrepareCaptureRendering(context, project, entries); status != ExitSuccess) return status;
    project.clipperPath = words[1];
    context.out << "notes " << RenderSk1(project, entries, words[4], context.ui) << '\n';
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
