#include "core/TakePlacement.h"

#include <algorithm>

#include "core/Mixing.h"
#include "core/TrackSwitching.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

// A take that ends this close to the track's end has filled it.
constexpr uint32_t WholeTakeSlackFrames = 10;

}  // namespace

void PlaceTake(Project& project, uint32_t start, uint32_t end, bool merge, int recordLatency, UiServices& ui) {
    LatencyShift(project.trackBuffer.get(), start, end, recordLatency);
    const uint32_t frames = project.framesPerTrack;
    const bool splice = start > 0 || end + WholeTakeSlackFrames < frames || merge;
    if (splice) {
        LoadWave(TrackFileToRead(project, project.current()), project.scratchBuffer.get(), frames, ui);
        const uint32_t length = end - start;
        MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), 0, length, start,
                project.currentTrack, merge);
        std::copy_n(project.scratchBuffer.get(), frames, project.trackBuffer.get());
    }
    project.trackDirty = true;
}

void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency) {
    if (recordLatency <= 0 || end <= start) return;
    const uint64_t values = uint64_t{end - start} * 2;
    const auto latency = static_cast<uint64_t>(recordLatency);
    if (latency > values) return;
    auto* samples = reinterpret_cast<int16_t*>(trackBuffer);
    std::copy(samples + latency, samples + values, samples);
}

}  // namespace jorv
