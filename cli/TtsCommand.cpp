#include "cli/CaptureRendering.h"
#include "core/Utf16Text.h"
#include "instruments/EspeakSpeechEngine.h"
#include "instruments/TtsRendering.h"

namespace jorv::cli {

namespace {

int RunTts(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    Project project;
    std::vector<int32_t> entries;
    if (const int status = PrepareCaptureRendering(context, project, entries); status != ExitSuccess) return status;
    const std::u16string lyrics = Utf8ToUtf16(words[1]);
    TtsOutcome outcome;
    if (const auto engine = EspeakSpeechEngine::start())
        outcome = RenderTts(project, entries, std::u16string_view(lyrics).substr(0, std::min(lyrics.size(), MaxLyrics)),
                            *engine, words[4], context.ui);
    else
        context.err << "jorv-cli: the speech engine (espeak-ng) could not be started\n";
    context.out << "result " << (outcome.converted ? "converted" : "failed") << '\n' << "notes " << outcome.notes << '\n';
    const int saved = SaveTrackResult(context, words[5], project, project.framesPerTrack);
    return outcome.converted ? saved : ExitFailure;
}

}  // namespace

const Subcommand& TtsCommand() {
    static const Subcommand command{
        "tts", "EVENTS LYRICS START END IN OUT [--clip FILE] [--volume V] [--pan P] [--mute] [--mem MB]",
        {{"EVENTS", "LYRICS", "START", "END", "IN", "OUT"}, {"--clip", "--volume", "--pan", "--mem"}, {"--mute"}},
        RunTts};
    return command;
}

}  // namespace jorv::cli
