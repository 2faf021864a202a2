#include "cli/CaptureRendering.h"

#include <fstream>
#include <sstream>

#include "core/TrackBuffers.h"
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
    LoadedWave loaded;
    if (const int status = LoadTrackWave(context, in, loaded); status != ExitSuccess) return status;
    project.framesPerTrack = loaded.framesPerTrack;
    project.trackBuffer = std::move(loaded.buffer);
    project.scratchBuffer.reset(AllocateFrames(project.framesPerTrack));
    if (!project.scratchBuffer) {
        ShowError(context.ui, BufferMemoryMessage);
        return ExitFailure;
    }
    project.selectionStart = start;
    project.selectionEnd = end;
    return ExitSuccess;
}

}  // namespace jorv::cli
