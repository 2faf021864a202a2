#pragma once

#include <array>

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// Effects that move or feed back material in time.
void ApplyShift(TrackSamples samples, const EffectArguments& a);
void ApplyEcho(TrackSamples samples, const EffectArguments& a);
void ApplyResonate(TrackSamples samples, const EffectArguments& a);
void ApplyTurntable(TrackSamples samples, const EffectArguments& a);

// Resonate's four tap distances in frames for a ring of ringFrames (1..256).
std::array<int, 4> ResonateTaps(int ringFrames);

}  // namespace jorv
