#include <fstream>
#include <sstream>

#include "cli/Subcommand.h"
#include "cli/TrackOptions.h"
#include "core/TrackBuffers.h"
#include "core/WaveFile.h"
#include "instruments/CapturedEventText.h"
#include "instruments/CapturedNotes.h"

namespace jorv::cli {

namespace {

// The entries of the EVENTS file; nothing after saying what is wrong with it.
std::optional<std::vector<int32_t>> ReadEvents(SubcommandContext& context, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf())) {
        context.err << "jorv-cli: cannot read the events file " << path << '\n';
        return std::nullopt;
    }
    CapturedEventText parsed = ParseCapturedEvents(text.str());
    if (!parsed.entries)
        context.err << "jorv-cli: " << path << " line " << parsed.badLine << " is not \"TIME MESSAGE\"\n";
    return std::move(parsed.entries);
}

int RunSk1(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const auto start = ParseNumber(words[2], 0, UINT32_MAX);
    const auto end = ParseNumber(words[3], 0, UINT32_MAX);
    Project project;
    if (!start || !end || *end < *start || !ApplyTrackOptions(context.arguments, project)) return ExitUsage;
    project.clipperPath = words[1];
    const auto entries = ReadEvents(context, words[0]);
    if (!entries) return ExitFailure;

    LoadedWave loaded;
    if (const int status = LoadTrackWave(context, words[4], loaded); status != ExitSuccess) return status;
    project.framesPerTrack = loaded.framesPerTrack;
    project.trackBuffer = std::move(loaded.buffer);
    project.scratchBuffer.reset(AllocateFrames(project.framesPerTrack));
    if (!project.scratchBuffer) {
        ShowError(context.ui, BufferMemoryMessage);
        return ExitFailure;
    }
    project.selectionStart = uint32_t(*start);
    project.selectionEnd = uint32_t(*end);
    context.out << "notes " << RenderSk1(project, *entries, words[4], context.ui) << '\n';
    if (SaveWave(0, project.framesPerTrack, words[5], project.trackBuffer.get(), context.ui) != 0) return ExitFailure;
    return ExitSuccess;
}

}  // namespace

const Subcommand& Sk1Command() {
    static const Subcommand command{
        "sk1", "EVENTS CLIP START END IN OUT [--volume V] [--pan P] [--mute] [--mem MB]",
        {{"EVENTS", "CLIP", "START", "END", "IN", "OUT"}, {"--volume", "--pan", "--mem"}, {"--mute"}}, RunSk1};
    return command;
}

}  // namespace jorv::cli
