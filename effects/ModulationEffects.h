#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// The effects driven by a low-frequency oscillator whose phase starts at 0 for every run:
// the two choruses and the three vibes.
void ApplyChorus2(TrackSamples samples, const EffectArguments& a);
void ApplyChorus3(TrackSamples samples, const EffectArguments& a);
void ApplyVibeAmplitude(TrackSamples samples, const EffectArguments& a);
void ApplyBouncePan(TrackSamples samples, const EffectArguments& a);
void ApplyRing(TrackSamples samples, const EffectArguments& a);

// How far each oscillator's phase moves per frame, in radians, for p1's low byte.
float ChorusPhaseStep(int k1);
float VibePhaseStep(int k1);
float SwingPhaseStep(int k1);  // Bounce Pan and Ring

}  // namespace jorv
