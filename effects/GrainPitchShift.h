#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// Two cross-fading grains read the range ahead of the write position at 1 + f frames per
// frame (direction +1) or 1 - f (direction -1). The first and last 2048 frames keep their values.
void GrainPitchShift(TrackSamples samples, int64_t start, int64_t end, float f, int direction, float gainLeft,
                     float gainRight, float dryLeft, float dryRight);

// The Pitch effect: step and direction from p1's low byte, wet only.
void ApplyPitch(TrackSamples samples, const EffectArguments& a);

// How fast the Pitch effect's grains read for p1's low byte: the factor its pitch changes by.
double PitchSpeed(int k1);

}  // namespace jorv
