#pragma once

#include <array>

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

constexpr int BandPassTaps = 129;

// The windowed-sine band-pass kernel for lo..hi Hz, scaled so its largest gain is 0 dB.
std::array<float, BandPassTaps> DesignBandPass(float lo, float hi);

// Filters start..end-1 with the band-pass kernel: each result is dry * x + gain * filtered,
// clamped. The first and last 128 frames of a range keep their values.
void BandPassFilter(TrackSamples samples, int64_t start, int64_t end, float lo, float hi, float dryLeft,
                    float dryRight, float gainLeft, float gainRight);

// The Band Pass effect: lo and hi from the low bytes of p1 and p2, wet only.
void ApplyBandPass(TrackSamples samples, const EffectArguments& a);

}  // namespace jorv
