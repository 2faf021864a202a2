#include "cli/CaptureRendering.h"

#include <fstream>
#include <sstream>

#include "instruments/CapturedEventText.h"

namespace jorv::cli {

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

int PrepareTrack(SubcommandContext& context, Project& project, const std::string& in, uint32_t start, uint32_t end) {
    uint32_t frames = 0;
    if (const int status = LoadTrackWithScratch(context, in, project, frames); status != ExitSuccess) return status;
    project.selectionStart = start;
    project.selectionEnd = end;
    return ExitSuccess;
}

}  // namespace jorv::cli
