#include "effects/GrainPitchShift.h"

#include "effects/EffectMath.h"

namespace jorv {

using namespace fxmath;

namespace {

constexpr int GrainFrames = 2048;
constexpr int HalfGrain = 1024;

double GrainWeight(float phase) {
    return phase < HalfGrain ? phase * 0.0009765625 : (GrainFrames - double{phase}) * 0.0009765625;
}

float AdvanceGrain(float phase, float f) {
    phase = ToFloat(double{phase} + f);
    return phase > GrainFrames ? 0.0f : phase;
}

struct Step {
    float f;
    int direction;
};

Step PitchStep(int k1) {
    if (k1 < 42) return {0.5f, -1};
    if (k1 < 84) return {0.25f, -1};
    if (k1 < 128) return {0.25f, 1};
    if (k1 < 170) return {0.5f, 1};
    if (k1 < 212) return {0.875f, 1};
    return {1.0f, 1};
}

}  // namespace

void GrainPitchShift(TrackSamples samples, int64_t start, int64_t end, float f, int direction, float gainLeft,
                     float gainRight, float dryLeft, float dryRight) {
    float phase1 = 0, phase2 = HalfGrain;
    const auto offset = [&](int64_t frame, float phase) {
        return direction > 0 ? double(frame - start) + phase : double(frame - start) - phase + GrainFrames;
    };
    for (int64_t frame = start + GrainFrames; frame < end - GrainFrames; ++frame) {
        const double offset1 = offset(frame, phase1), offset2 = offset(frame, phase2);
        const float a1Left = ToFloat(InterpolateAt(samples, start, offset1, 0) * gainLeft);
        const float a1Right = ToFloat(InterpolateAt(samples, start, offset1, 1) * gainRight);
        const float a2Left = ToFloat(InterpolateAt(samples, start, offset2, 0) * gainLeft);
        const float a2Right = ToFloat(InterpolateAt(samples, start, offset2, 1) * gainRight);
        const double w1 = GrainWeight(phase1), w2 = GrainWeight(phase2);
        int16_t* v = samples.values + 2 * frame;
        v[0] = ClampTruncate(v[0] * double{dryLeft} + w2 * a2Left + w1 * a1Left, SampleLimit);
        v[1] = ClampTruncate(v[1] * double{dryRight} + w2 * a2Right + w1 * a1Right, SampleLimit);
        phase1 = AdvanceGrain(phase1, f);
        phase2 = AdvanceGrain(phase2, f);
    }
}

void ApplyPitch(TrackSamples samples, const EffectArguments& a) {
    const Step step = PitchStep(a.k1());
    GrainPitchShift(samples, a.start, a.end, step.f, step.direction, a.panLeft, a.panRight, 0.0f, 0.0f);
}

double PitchSpeed(int k1) {
    const Step step = PitchStep(k1);
    return 1.0 + step.direction * double{step.f};
}

}  // namespace jorv
