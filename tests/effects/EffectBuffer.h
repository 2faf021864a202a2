#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/Project.h"
#include "effects/ApplyEffect.h"
#include "tests/support/FrameMatchers.h"

namespace jorv::test {

// A project whose track buffer the effect tests fill and read as interleaved values.
struct EffectBuffer {
    Project project;
    EffectRandom random;

    explicit EffectBuffer(uint32_t frames) {
        project.framesPerTrack = frames;
        project.trackBuffer.reset(AllocateFrames(frames));
        std::fill_n(project.trackBuffer.get(), frames, Frame{0, 0});
    }

    int16_t* values() { return reinterpret_cast<int16_t*>(project.trackBuffer.get()); }
    Frame& frame(uint32_t f) { return project.trackBuffer[f]; }
    std::vector<int16_t> snapshot() { return {values(), values() + 2 * project.framesPerTrack}; }

    void fill(const std::function<Frame(uint32_t)>& make) {
        for (uint32_t f = 0; f < project.framesPerTrack; ++f) frame(f) = make(f);
    }
    void fillConstant(int16_t left, int16_t right) {
        fill([&](uint32_t) { return Frame{left, right}; });
    }
    // A reproducible noise-like signal spanning the whole 16-bit range.
    void fillNoise(uint32_t seed = 7) {
        uint32_t state = seed;
        fill([&](uint32_t) {
            state = state * 1664525u + 1013904223u;
            const auto left = int16_t(state >> 16);
            state = state * 1664525u + 1013904223u;
            return Frame{left, int16_t(state >> 16)};
        });
    }

    int32_t apply(EffectId id, uint32_t start, uint32_t end, int32_t p1, int32_t p2, int32_t p3) {
        return ApplyEffect(project, id, start, end, p1, p2, p3, random);
    }
};

// The first index at which two snapshots differ outside start..end-1 (frames), or -1.
inline int64_t FirstChangeOutside(const std::vector<int16_t>& before, const std::vector<int16_t>& after, uint32_t start,
                                  uint32_t end) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto f = i / 2;
        if ((f < start || f >= end) && before[i] != after[i]) return int64_t(i);
    }
    return -1;
}

}  // namespace jorv::test
