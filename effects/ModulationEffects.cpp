#include "effects/ModulationEffects.h"

#include <cmath>
#include <tuple>
#include <utility>

#include "effects/EffectMath.h"
#include "effects/OscillatorTurns.h"

namespace jorv {

using namespace fxmath;

namespace {

constexpr double TwoToMinus18 = 3.814697265625e-06;
constexpr float VibeRateFactor = 4e-05f;

// The chorus voices read ahead of the frame being written by an offset that swings between 0
// and twice the depth. With one voice, the second offset is ignored.
template <bool TwoVoices>
void Chorus(TrackSamples samples, const EffectArguments& a) {
    const int depth = a.k2();
    const float length = ToFloat(double(a.length()));
    OscillatorTurns offsets(ChorusPhaseStep(a.k1()), [depth](float phase) {
        return std::pair{ToFloat((std::cos(double{phase}) + 1.0) * depth),
                         TwoVoices ? ToFloat((std::sin(double{phase}) + 1.0) * depth) : 0.0f};
    });
    float offset1 = 0, offset2 = 0;
    int64_t k = 0;
    for (int64_t f = a.start; f < a.end - 1 - depth; ++f, ++k) {
        int16_t* v = samples.values + 2 * f;
        const float x1 = ToFloat((double(k) + offset1) / length);
        double left = v[0] + SampleAt(samples, a.start, a.end, x1, 0) * a.panLeft;
        double right = v[1] + SampleAt(samples, a.start, a.end, x1, 1) * a.panRight;
        if constexpr (TwoVoices) {
            const float x2 = ToFloat((double(k) + offset2) / length);
            left += SampleAt(samples, a.start, a.end, x2, 0) * a.panRight;
            right += SampleAt(samples, a.start, a.end, x2, 1) * a.panLeft;
        }
        v[0] = ClampTruncate(left, SampleLimit);
        v[1] = ClampTruncate(right, SampleLimit);
        offsets.advance();
        std::tie(offset1, offset2) = offsets.value();
    }
}

// Between 1 - depth and 1, following the cosine of the phase.
double Swing(double depth, double angle) { return (depth * std::cos(angle) + 2.0 - depth) * 0.5; }

}  // namespace

float ChorusPhaseStep(int k1) { return ToFloat((255 - k1) * TwoToMinus18); }

float VibePhaseStep(int k1) { return ToFloat(k1 * double{VibeRateFactor}); }

float SwingPhaseStep(int k1) { return ToFloat(k1 * TwoToMinus18); }

void ApplyChorus2(TrackSamples samples, const EffectArguments& a) { Chorus<false>(samples, a); }

void ApplyChorus3(TrackSamples samples, const EffectArguments& a) { Chorus<true>(samples, a); }

void ApplyVibeAmplitude(TrackSamples samples, const EffectArguments& a) {
    const double depth = a.k2() * double{Inv255};
    OscillatorTurns envelope(VibePhaseStep(a.k1()), [depth](float phase) { return Swing(depth, phase); });
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = ClampTruncate(v[0] * (envelope.value() * a.panLeft + 1.0), SampleLimit);
        v[1] = ClampTruncate(v[1] * (envelope.value() * a.panRight + 1.0), SampleLimit);
        envelope.advance();
    }
}

void ApplyBouncePan(TrackSamples samples, const EffectArguments& a) {
    const double depth = a.k2() * double{Inv255};
    OscillatorTurns swings(SwingPhaseStep(a.k1()), [depth](float phase) {
        return std::pair{Swing(depth, phase), Swing(depth, phase + HalfPi)};
    });
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = Truncate(v[0] * swings.value().first * a.panLeft);
        v[1] = Truncate(v[1] * swings.value().second * a.panRight);
        swings.advance();
    }
}

void ApplyRing(TrackSamples samples, const EffectArguments& a) {
    OscillatorTurns cosine(SwingPhaseStep(a.k1()), [](float phase) { return std::cos(double{phase}); });
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = ClampTruncate(v[0] * (cosine.value() * a.panLeft + 1.0), SampleLimit);
        v[1] = ClampTruncate(v[1] * (cosine.value() * a.panRight + 1.0), SampleLimit);
        cosine.advance();
    }
}

}  // namespace jorv
