#pragma once

#include "effects/EffectCatalogue.h"
#include "effects/FftWorkspace.h"

namespace jorv {

// The pitch ratio a run of the effect starts with: from p1 for Pitch, 0 for every other effect.
double InitialPitchRatio(EffectId id, int k1);

// Changes the forward-transformed spectrum of one frame the way the effect does and writes
// bins 0..2048 back as magnitude and phase. k1..k3 are the parameters' low bytes.
void ApplySpectralStep(FftFrame frame, EffectId id, int k1, int k2, int k3);

}  // namespace jorv
