#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// Gain, Compression, Distortion, Fade and Fuzz: per-frame level changes over start..end-1.
void ApplyGain(TrackSamples samples, const EffectArguments& a);
void ApplyCompression(TrackSamples samples, const EffectArguments& a);
void ApplyDistortion(TrackSamples samples, const EffectArguments& a);
void ApplyFade(TrackSamples samples, const EffectArguments& a);
void ApplyFuzz(TrackSamples samples, const EffectArguments& a);

}  // namespace jorv
