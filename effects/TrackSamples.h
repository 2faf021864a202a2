#pragma once

#include <cstdint>

#include "core/WaveFormat.h"

namespace jorv {

// The current track's buffer as the effects see it: interleaved 16-bit values, the left value
// of frame f at index 2f and the right value at 2f + 1.
struct TrackSamples {
    int16_t* values = nullptr;
    uint32_t frames = 0;

    TrackSamples() = default;
    TrackSamples(Frame* buffer, uint32_t frameCount)
        : values(reinterpret_cast<int16_t*>(buffer)), frames(frameCount) {}

    int64_t valueCount() const { return int64_t{frames} * 2; }
    // Reads that an algorithm makes past the ends of the buffer hear silence.
    int16_t at(int64_t index) const { return index >= 0 && index < valueCount() ? values[index] : 0; }
};

}  // namespace jorv
