#pragma once

#include "effects/FftWorkspace.h"

// The FFT effects' spectral steps, one per effect (see SpectralStep).
namespace jorv {

// Shifts every bin by the ratio that p1 picks: down an octave, a fifth below, up a third, a
// fifth, a seventh or an octave.
void FftPitchStep(FftFrame frame, int k1, int k2, int k3);
// Follows the strongest bin to the nearest note of the scale (k1), key (k2) and tuning (k3).
void FftPerfectPitchStep(FftFrame frame, int k1, int k2, int k3);
void FftBowStep(FftFrame frame, int k1, int k2, int k3);
void FftEqualizerStep(FftFrame frame, int k1, int k2, int k3);
void FftDigitizeStep(FftFrame frame, int k1, int k2, int k3);
void FftHarmonicsStep(FftFrame frame, int k1, int k2, int k3);
void FftBassBoostStep(FftFrame frame, int k1, int k2, int k3);

// The FFT Pitch ratio that p1's low byte picks.
double FftPitchRatio(int k1);
// Perfect Pitch's key in semitones above C (0..11) for p2's low byte, and the factor by which
// p3's tuning raises the scale.
int PerfectPitchKey(int k2);
double PerfectPitchTuning(int k3);

}  // namespace jorv
