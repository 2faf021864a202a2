#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// The moving-average filters: each writes to the centre frame of a window sliding over the range.
void ApplyLowPass(TrackSamples samples, const EffectArguments& a);
void ApplyHiPass(TrackSamples samples, const EffectArguments& a);
void ApplyNoiseReduction(TrackSamples samples, const EffectArguments& a);

// The window of Noise Reduction and the note effects, from p1's low byte.
int GateWindowFrames(int k1);
// How far a gate slides per frame, from p3's low byte.
float GateRate(int w);

// A gate closes by rate while the window's level stays below the threshold and opens above
// it; it may pass 0 or 1 by less than one step. The gate keeps its own precision.
template <typename Gate>
void SlideGate(Gate& gate, double level, double threshold, float rate) {
    if (level < threshold) {
        if (gate > 0) gate = static_cast<Gate>(double{gate} - rate);
    } else if (gate < 1) {
        gate = static_cast<Gate>(double{gate} + rate);
    }
}

}  // namespace jorv
