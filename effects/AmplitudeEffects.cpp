#include "effects/AmplitudeEffects.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "effects/EffectMath.h"

namespace jorv {

using namespace fxmath;

namespace {

// Runs perValue(x, panFactor) over both values of every frame and stores what it returns.
// perValue depends on nothing else, so over a long range it is worked out once for each of
// the 65536 values a channel can hold, and the range is mapped through the two tables.
template <typename PerValue>
void ForEachValue(TrackSamples samples, const EffectArguments& a, PerValue&& perValue) {
    constexpr int64_t TableWorthwhile = 65536;
    if (a.length() < TableWorthwhile) {
        for (int64_t f = a.start; f < a.end; ++f) {
            int16_t* v = samples.values + 2 * f;
            v[0] = perValue(v[0], a.panLeft);
            v[1] = perValue(v[1], a.panRight);
        }
        return;
    }
    std::vector<int16_t> left(65536), right(65536);
    for (int x = -32768; x < 32768; ++x) {
        left[uint16_t(x)] = perValue(x, a.panLeft);
        right[uint16_t(x)] = perValue(x, a.panRight);
    }
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = left[uint16_t(v[0])];
        v[1] = right[uint16_t(v[1])];
    }
}

double Compress(int x, double k1, double pan, double clip) {
    if (x > 0) {
        const double v = std::sqrt(double(x)) * k1 * pan;
        return v > clip ? clip : v;
    }
    const double v = -(std::sqrt(-double(x)) * k1 * pan);
    return v < -clip ? -clip : v;
}

}  // namespace

void ApplyGain(TrackSamples samples, const EffectArguments& a) {
    const float gain = ToFloat(a.p1 / 128.0);
    const double clip = a.clipLevel;
    ForEachValue(samples, a, [&](int x, float pan) { return ClampTruncate(x * double{gain} * pan, clip); });
}

void ApplyCompression(TrackSamples samples, const EffectArguments& a) {
    const double k1 = a.k1();
    const double clip = a.clipLevel;
    ForEachValue(samples, a, [&](int x, float pan) { return Truncate(Compress(x, k1, pan, clip)); });
}

void ApplyDistortion(TrackSamples samples, const EffectArguments& a) {
    const float w = ToFloat(TwoPi / (256 - a.k1()));
    const double clip = a.clipLevel;
    ForEachValue(samples, a, [&](int x, float pan) {
        return ClampTruncate(x * std::cos(x * double{Inv255} * w) * pan, clip);
    });
}

void ApplyFade(TrackSamples samples, const EffectArguments& a) {
    double gain = a.p1 * double{Inv255};
    const float step = ToFloat((a.p1 * double{Inv255} - a.p2 * double{Inv255}) / double(a.length()));
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = ClampTruncate(v[0] * gain * a.panLeft, SampleLimit);
        v[1] = ClampTruncate(v[1] * gain * a.panRight, SampleLimit);
        gain -= step;
    }
}

// Each value loses a random share of itself that grows with the loudness of the last 128 frames.
void ApplyFuzz(TrackSamples samples, const EffectArguments& a) {
    constexpr int RingValues = 256;
    constexpr double DepthUnit = 32767.0 * 16384.0;  // full scale, times 2^14
    const float depth = ToFloat((256 - a.k1()) * DepthUnit);
    const float inverse = ToFloat(1.0 / depth);
    const double clip = a.clipLevel;
    std::array<int16_t, RingValues> ring;
    double sumLeft = 0, sumRight = 0;
    for (int64_t f = a.start; f < a.start + RingValues / 2; ++f) {
        ring[(2 * f) % RingValues] = samples.at(2 * f);
        ring[(2 * f + 1) % RingValues] = samples.at(2 * f + 1);
        sumLeft += std::abs(samples.at(2 * f));
        sumRight += std::abs(samples.at(2 * f + 1));
    }
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        const int left = v[0], right = v[1];
        int16_t& oldLeft = ring[(2 * f) % RingValues];
        int16_t& oldRight = ring[(2 * f + 1) % RingValues];
        sumLeft = sumLeft + std::abs(left) - std::abs(oldLeft);
        sumRight = sumRight + std::abs(right) - std::abs(oldRight);
        oldLeft = int16_t(left);
        oldRight = int16_t(right);
        const int r1 = a.random->next();
        const float outLeft = ToFloat((1.0 - r1 * double{inverse} * sumLeft) * left * a.panLeft);
        const int r2 = a.random->next();
        const float outRight = ToFloat((1.0 - r2 * double{inverse} * sumRight) * right * a.panRight);
        v[0] = ClampTruncate(outLeft, clip);
        v[1] = ClampTruncate(outRight, clip);
    }
}

}  // namespace jorv
