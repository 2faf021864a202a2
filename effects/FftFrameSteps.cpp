#include "effects/FftFrameSteps.h"

#include <algorithm>
#include <cmath>

#include "core/WaveFormat.h"
#include "effects/EffectMath.h"
#include "effects/SnapToScale.h"
#include "effects/Widened.h"

namespace jorv {

namespace {

using fxmath::HalfPi;
using fxmath::Pi;
// In hertz, and its inverse.
constexpr double BinWidth = double(WaveFormat::sampleRate) / FftSize;
constexpr double InverseBinWidth = double(FftSize) / WaveFormat::sampleRate;
// A semitone down in frequency: 2^(-1/12).
constexpr double SemitoneDown = 0.9438743967462762;
// The harmonics' bins lie at 1.3, 1.5 and 1.7 times the bin they strengthen.
constexpr double BelowThird = 1 / 1.3, BelowFifth = 1 / 1.5, BelowSeventh = 1 / 1.7;
// Bass Boost adds each bin's octave to the lower half of the spectrum.
constexpr int BassBoostBins = FftSize / 4;

struct Peak {
    float magnitude = 0;
    int bin = 0;
};

// The strongest of bins 0..2048; a later bin wins only when strictly stronger.
Peak FindPeak(const float* magnitude) {
    Peak peak;
    for (int k = 0; k < FftBins; ++k)
        if (magnitude[k] > peak.magnitude) peak = {magnitude[k], k};
    return peak;
}

// The phase of every bin. The library calls are made in a loop of their own, so that the
// arithmetic around them can be vectorised in the next.
void Phases(const FftWorkspace& w, double* phase) {
    for (int k = 0; k < FftBins; ++k) phase[k] = std::atan2(double{w.spectrum[2 * k + 1]}, double{w.spectrum[2 * k]});
}

// Magnitude and phase of every bin; the phase goes where the synthesis reads it.
JORV_WIDENED void PolarAnalysis(FftWorkspace& w) {
    double phase[FftBins];
    Phases(w, phase);
    for (int k = 0; k < FftBins; ++k) {
        const double re = w.spectrum[2 * k], im = w.spectrum[2 * k + 1];
        w.analysisMagnitude[k] = static_cast<float>(2.0 * std::sqrt(re * re + im * im));
        w.synthesisFrequency[k] = static_cast<float>(phase[k]);
    }
}

// Each bin's true frequency from its phase advance since the previous frame.
JORV_WIDENED void TrueFrequencyAnalysis(FftWorkspace& w) {
    double phases[FftBins];
    Phases(w, phases);
    for (int k = 0; k < FftBins; ++k) {
        const double re = w.spectrum[2 * k], im = w.spectrum[2 * k + 1];
        const double magnitude = 2.0 * std::sqrt(re * re + im * im);
        const double phase = phases[k];
        double d = phase - w.lastPhase[k];
        w.lastPhase[k] = static_cast<float>(phase);
        d -= k * HalfPi;
        auto q = static_cast<long long>(d * (1.0 / Pi));
        if (q >= 0) q += q & 1;
        else q -= q & 1;
        d -= double(q) * Pi;
        w.analysisFrequency[k] = static_cast<float>((k + d * 2.0 / Pi) * BinWidth);
        w.analysisMagnitude[k] = static_cast<float>(magnitude);
    }
}

JORV_WIDENED void WritePolar(FftWorkspace& w, const float* magnitude, const float* phase) {
    double cosine[FftBins], sine[FftBins];
    for (int k = 0; k < FftBins; ++k) {
        cosine[k] = std::cos(double{phase[k]});
        sine[k] = std::sin(double{phase[k]});
    }
    for (int k = 0; k < FftBins; ++k) {
        const double m = magnitude[k];
        w.spectrum[2 * k] = static_cast<float>(m * cosine[k]);
        w.spectrum[2 * k + 1] = static_cast<float>(m * sine[k]);
    }
}

// Writes the analysed magnitudes back with each bin's own phase.
void ResynthesiseInPlace(FftWorkspace& w) { WritePolar(w, w.analysisMagnitude, w.synthesisFrequency); }

// Output bin k gathers source bin k / ratio; the running phases follow the new frequencies.
JORV_WIDENED void PitchSynthesis(FftWorkspace& w, double ratio) {
    const double inverse = 1.0 / ratio;
    for (int k = 0; k < FftBins; ++k) {
        const auto source = static_cast<long long>(k * inverse);
        if (source > FftBins - 1) continue;
        w.synthesisMagnitude[k] = static_cast<float>(double{w.synthesisMagnitude[k]} + w.analysisMagnitude[source]);
        w.synthesisFrequency[k] = static_cast<float>(ratio * w.analysisFrequency[source]);
    }
    for (int k = 0; k < FftBins; ++k) {
        const double advance = k * HalfPi + (w.synthesisFrequency[k] - k * BinWidth) * InverseBinWidth * HalfPi;
        w.phaseSum[k] = static_cast<float>(w.phaseSum[k] + advance);
    }
    WritePolar(w, w.synthesisMagnitude, w.phaseSum);
}

void Bow(FftWorkspace& w) {
    const Peak peak = FindPeak(w.analysisMagnitude);
    for (int k = 0; k < FftBins; ++k) {
        const double m = w.analysisMagnitude[k];
        w.analysisMagnitude[k] = peak.magnitude > 0 ? static_cast<float>(m * m / peak.magnitude) : 0.0f;
    }
}

void Equalizer(FftWorkspace& w, int k1, int k2, int k3) {
    const double lo = k1 / 256.0, mid = k2 / 256.0, hi = k3 / 256.0;
    for (int k = 0; k < FftBins; ++k) {
        const int m = k - 512;
        const double gain = k < 512 ? ((512 - k) * lo + k * mid) / 512 : ((1536 - m) * mid + m * hi) / 1536;
        // The gain curve scales the magnitude; squaring it as well turned any input into a
        // full-scale square wave.
        w.analysisMagnitude[k] = static_cast<float>(w.analysisMagnitude[k] * gain);
    }
}

void Digitize(FftWorkspace& w, int k1) {
    const int peak = FindPeak(w.analysisMagnitude).bin;
    for (int k = 0; k < FftBins; ++k)
        if (k < peak - k1 || k > peak + k1) w.analysisMagnitude[k] = 0;
}

void Harmonics(FftWorkspace& w, int k1, int k2, int k3) {
    const double third = k1 / 256.0, fifth = k2 / 256.0, seventh = k3 / 256.0;
    const double norm = 1.0 / (1.0 + third + fifth + seventh);
    float* m = w.analysisMagnitude;
    for (int n = FftBins - 1; n >= 100; --n) {
        const auto below = [n](double factor) { return static_cast<int>(n * factor); };
        m[n] = static_cast<float>(norm * (m[n] + seventh * m[below(BelowSeventh)] + fifth * m[below(BelowFifth)] +
                                          third * m[below(BelowThird)]));
    }
}

void BassBoost(FftWorkspace& w, int k1) {
    const double octave = k1 / 256.0;
    float* m = w.analysisMagnitude;
    for (int n = 0; n < BassBoostBins; ++n) m[n] = static_cast<float>((m[n] + octave * m[2 * n]) / (1.0 + octave));
}

// Follows the strongest bin to the nearest note of the chosen scale and key.
void PerfectPitchRatio(FftFrame frame, int scale, int key, int tuning) {
    FftWorkspace& w = frame.work;
    const Peak peak = FindPeak(w.analysisMagnitude);
    double e = peak.magnitude > 0 ? w.analysisFrequency[peak.bin] : 0.0;
    for (int r = PerfectPitchKey(key); r > 0; --r) e *= SemitoneDown;
    const double s = e / PerfectPitchTuning(tuning);
    if (s > 0) frame.pitchRatio.set(SnapToScale(s, scale) / s);
    frame.pitchRatio.set(std::clamp(frame.pitchRatio.get(), 0.5, 2.0));
}

// The steps that keep each bin's own phase: analyse, change the magnitudes, write back.
template <typename ChangeMagnitudes>
void ChangeMagnitudesInPlace(FftWorkspace& w, ChangeMagnitudes change) {
    PolarAnalysis(w);
    change(w);
    ResynthesiseInPlace(w);
}

}  // namespace

double FftPitchRatio(int k1) {
    constexpr double Ratios[6] = {0.5, 0.75, 1.25, 1.5, 1.75, 2.0};
    return Ratios[k1 < 42 ? 0 : k1 < 84 ? 1 : k1 < 128 ? 2 : k1 < 170 ? 3 : k1 < 212 ? 4 : 5];
}

int PerfectPitchKey(int k2) { return k2 / 22; }

double PerfectPitchTuning(int k3) { return 1.0 + k3 * 0.00023227734375000017; }

void FftPitchStep(FftFrame frame, int k1, int, int) {
    frame.pitchRatio.set(FftPitchRatio(k1));
    TrueFrequencyAnalysis(frame.work);
    PitchSynthesis(frame.work, frame.pitchRatio.get());
}

void FftPerfectPitchStep(FftFrame frame, int k1, int k2, int k3) {
    TrueFrequencyAnalysis(frame.work);
    PerfectPitchRatio(frame, k1, k2, k3);
    PitchSynthesis(frame.work, frame.pitchRatio.get());
}

void FftBowStep(FftFrame frame, int, int, int) { ChangeMagnitudesInPlace(frame.work, Bow); }

void FftEqualizerStep(FftFrame frame, int k1, int k2, int k3) {
    ChangeMagnitudesInPlace(frame.work, [&](FftWorkspace& w) { Equalizer(w, k1, k2, k3); });
}

void FftDigitizeStep(FftFrame frame, int k1, int, int) {
    ChangeMagnitudesInPlace(frame.work, [&](FftWorkspace& w) { Digitize(w, k1); });
}

void FftHarmonicsStep(FftFrame frame, int k1, int k2, int k3) {
    ChangeMagnitudesInPlace(frame.work, [&](FftWorkspace& w) { Harmonics(w, k1, k2, k3); });
}

void FftBassBoostStep(FftFrame frame, int k1, int, int) {
    ChangeMagnitudesInPlace(frame.work, [&](FftWorkspace& w) { BassBoost(w, k1); });
}

}  // namespace jorv
