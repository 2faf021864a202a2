#include "effects/DelayEffects.h"

#include <cmath>
#include <cstdlib>

#include "effects/EffectMath.h"

namespace jorv {

using namespace fxmath;

namespace {

// Moves every value of the range by distance values: later when distance > 0, earlier when
// it is negative. Odd distances move left values into right positions and back.
void MoveValues(TrackSamples samples, const EffectArguments& a, int64_t distance) {
    const int64_t low = 2 * a.start, high = 2 * a.end - 1;
    if (std::llabs(distance) >= 2 * a.length()) return;
    if (distance > 0) {
        for (int64_t i = high; i >= low + distance; --i) samples.values[i] = samples.values[i - distance];
    } else {
        for (int64_t i = low; i <= high + distance; ++i) samples.values[i] = samples.values[i - distance];
    }
}

// Delays the values at one channel's positions (highest the last such index) by distance values.
void DelayChannel(TrackSamples samples, const EffectArguments& a, int64_t highest, int64_t distance) {
    if (distance >= 2 * a.length()) return;
    for (int64_t i = highest; i >= 2 * a.start + distance; i -= 2) samples.values[i] = samples.values[i - distance];
}

void AddClamped(int16_t& value, double amount) { value = ClampTruncate(value + amount, SampleLimit); }

}  // namespace

void ApplyShift(TrackSamples samples, const EffectArguments& a) {
    const int64_t whole = int64_t{a.k1() - 128} * a.k2();
    const int64_t channel = int64_t{128 - a.k3()} * a.k2();
    MoveValues(samples, a, whole);
    if (channel > 0) DelayChannel(samples, a, 2 * a.end - 2, channel);
    if (channel < 0) DelayChannel(samples, a, 2 * a.end - 1, -channel);
}

void ApplyEcho(TrackSamples samples, const EffectArguments& a) {
    const int64_t delay = 64 * int64_t{a.k1()};
    const double sustain = a.k2() / 256.0;
    const float gainLeft = ToFloat(a.panLeft * sustain);
    const float gainRight = ToFloat(a.panRight * sustain);
    for (int64_t i = a.start; i < a.end - 1 - delay; ++i) {
        const int16_t* source = samples.values + 2 * i;
        int16_t* target = samples.values + 2 * (i + delay);
        AddClamped(target[0], source[0] * double{gainLeft});
        AddClamped(target[1], source[1] * double{gainRight});
    }
}

std::array<int, 4> ResonateTaps(int ringFrames) {
    // Worked out in 32 bits, so the longest tap of a 256-frame ring stays positive.
    constexpr double Ratios[4] = {64.0, 53.7, 20.3, 13.1};
    std::array<int, 4> taps{};
    for (int i = 0; i < 4; ++i) taps[i] = static_cast<int>(Ratios[i] * 2 * ringFrames) / 2;
    return taps;
}

// The smoothed signal returns after the two long taps at half weight and the rest after the
// two short ones; what is added is read again later, so the resonance feeds back.
void ApplyResonate(TrackSamples samples, const EffectArguments& a) {
    const int ring = 256 - a.k1();
    const double sustain = a.k2() * 0.001953125;
    const float gainLeft = ToFloat(a.panLeft * sustain);
    const float gainRight = ToFloat(a.panRight * sustain);
    const auto taps = ResonateTaps(ring);
    std::array<int16_t, 2 * 256> history;
    double sumLeft = 0, sumRight = 0;
    for (int i = 0; i < ring; ++i) {
        history[2 * i] = samples.at(2 * (a.start + i));
        history[2 * i + 1] = samples.at(2 * (a.start + i) + 1);
        sumLeft += history[2 * i];
        sumRight += history[2 * i + 1];
    }
    int oldest = 0;
    for (int64_t n = a.start + ring; n + taps[0] < a.end; ++n) {
        const int left = samples.values[2 * n], right = samples.values[2 * n + 1];
        sumLeft += left - history[2 * oldest];
        sumRight += right - history[2 * oldest + 1];
        history[2 * oldest] = int16_t(left);
        history[2 * oldest + 1] = int16_t(right);
        if (++oldest == ring) oldest = 0;
        const float meanLeft = ToFloat(sumLeft / ring), meanRight = ToFloat(sumRight / ring);
        const double smoothLeft = meanLeft * double{gainLeft} * 0.5, smoothRight = meanRight * double{gainRight} * 0.5;
        const float edgeLeft = ToFloat((left - double{meanLeft}) * gainLeft);
        const float edgeRight = ToFloat((right - double{meanRight}) * gainRight);
        for (int t = 0; t < 4; ++t) {
            int16_t* target = samples.values + 2 * (n + taps[t]);
            AddClamped(target[0], t < 2 ? smoothLeft : edgeLeft);
            AddClamped(target[1], t < 2 ? smoothRight : edgeRight);
        }
    }
}

// Reads the range back through a cosine-shaped position: the Stop side plays it backwards
// slowing to a halt, the Start side plays what follows it backwards, speeding up.
void ApplyTurntable(TrackSamples samples, const EffectArguments& a) {
    const int64_t n = a.length();
    const float step = ToFloat(Pi / (2.0 * double(n)));
    float phase = a.p1 < 128 ? 1.5707964f : 0.0f;
    float position = 0;
    const float inverse = ToFloat(1.0 / double(n));
    for (int64_t f = a.start; f < a.end; ++f) {
        const float x = ToFloat(double{position} * inverse);
        const double left = SampleAt(samples, a.start, a.end, x, 0) * a.panLeft;
        const double right = SampleAt(samples, a.start, a.end, x, 1) * a.panRight;
        samples.values[2 * f] = ClampTruncate(left, SampleLimit);
        samples.values[2 * f + 1] = ClampTruncate(right, SampleLimit);
        phase = AdvancePhase(phase, step);
        position = ToFloat((std::cos(double{phase}) + 1.0) * double(n));
    }
}

}  // namespace jorv
