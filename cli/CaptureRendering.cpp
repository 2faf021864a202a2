#include "cli/CaptureRendering.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "cli/TrackOptions.h"
#include "instruments/CapturedEventText.h"

namespace jorv::cli {

namespace {

std::optional<std::vector<int32_t>> ReadEventsFile(SubcommandContext& context, const std::string& path) {
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

}  // namespace

int PrepareCaptureRendering(SubcommandContext& context, Project& project, std::vector<int32_t>& entries) {
    const auto& words = context.arguments.positional;
    const auto start = ParseNumber(words[2], 0, UINT32_MAX);
    const auto end = ParseNumber(words[3], 0, UINT32_MAX);
    if (!start || !end || *end < *start || !ApplyTrackOptions(context.arguments, project)) return ExitUsage;
    auto read = ReadEventsFile(context, words[0]);
    if (!read) return ExitFailure;
    entries = std::move(*read);
    uint32_t frames = 0;
    if (const int status = LoadTrackWithScratch(context, words[4], project, frames); status != ExitSuccess) return status;
    project.selectionStart = uint32_t(*start);
    project.selectionEnd = uint32_t(*end);
    return ExitSuccess;
}

}  // namespace jorv::cli
