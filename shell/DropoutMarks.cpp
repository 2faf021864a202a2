#include "shell/DropoutMarks.h"

#include "core/WaveFormat.h"

namespace jorv {

std::vector<uint32_t> TakeDropoutFrames(const std::vector<uint32_t>& playedPositions, const Take& take) {
    const int64_t shift = take.latency / int(WaveFormat::channels);
    std::vector<uint32_t> frames;
    for (const uint32_t played : playedPositions) {
        const int64_t frame = int64_t{take.start} + played - shift;
        if (frame >= take.start && frame < take.end) frames.push_back(uint32_t(frame));
    }
    return frames;
}

}  // namespace jorv
