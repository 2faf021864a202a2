#pragma once

#include <cstdint>

#include "effects/EffectRandom.h"
#include "effects/TrackSamples.h"

namespace jorv {

// What ApplyEffect hands every time-domain algorithm: the frame range start..end-1, the three
// parameters as given, the values derived from them, and the program's random stream.
struct EffectArguments {
    int64_t start = 0;
    int64_t end = 0;
    int32_t p1 = 0;
    int32_t p2 = 0;
    int32_t p3 = 0;
    float panLeft = 1.0f;
    float panRight = 1.0f;
    int32_t clipLevel = 0;
    EffectRandom* random = nullptr;

    // Most parameters are read as their low byte.
    int k1() const { return p1 & 0xFF; }
    int k2() const { return p2 & 0xFF; }
    int k3() const { return p3 & 0xFF; }
    int64_t length() const { return end - start; }
};

// Builds the arguments, deriving the input-pan gains from p3's low byte and the clip level from p2.
EffectArguments MakeEffectArguments(int64_t start, int64_t end, int32_t p1, int32_t p2, int32_t p3,
                                    EffectRandom& random);

// A time-domain effect: changes frames start..end-1 of the samples in place.
using EffectAlgorithm = void (*)(TrackSamples samples, const EffectArguments& arguments);

}  // namespace jorv
