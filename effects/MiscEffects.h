#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// Whole-range effects on the two channels and on the order of frames.
void ApplyMirror(TrackSamples samples, const EffectArguments& a);
void ApplyNegate(TrackSamples samples, const EffectArguments& a);
void ApplyReverse(TrackSamples samples, const EffectArguments& a);
void ApplyMonotonize(TrackSamples samples, const EffectArguments& a);

// Puts frames first..end-1 in reverse order, both channels together.
void ReverseFrames(TrackSamples samples, int64_t first, int64_t end);

}  // namespace jorv
