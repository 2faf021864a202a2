#pragma once

#include <algorithm>
#include <cmath>
#include <complex>

#include "effects/EffectMath.h"
#include "tests/effects/EffectBuffer.h"

namespace jorv::test {

// Fills both channels with a sine, the right one inverted.
inline void FillTone(EffectBuffer& buffer, double hz, double amplitude) {
    buffer.fill([&](uint32_t f) {
        const auto v = int16_t(amplitude * std::sin(2 * fxmath::Pi * hz * f / WaveFormat::sampleRate));
        return Frame{v, int16_t(-v)};
    });
}

// The amplitude of the component at hz in the left channel over frames from..to-1.
inline double ToneLevel(EffectBuffer& buffer, double hz, uint32_t from, uint32_t to) {
    std::complex<double> sum;
    for (uint32_t f = from; f < to; ++f)
        sum += double(buffer.frame(f).left) * std::polar(1.0, -2 * fxmath::Pi * hz * f / WaveFormat::sampleRate);
    return 2 * std::abs(sum) / (to - from);
}

// Frequency of the strongest component of the left channel between 50 and 2000 Hz: found to
// 5 Hz over the first 8192 frames, then to 0.1 Hz over all of them.
inline double StrongestTone(EffectBuffer& buffer, uint32_t from, uint32_t to) {
    const auto search = [&](double low, double high, double step, uint32_t until) {
        double best = 0, bestHz = low;
        for (double hz = low; hz < high; hz += step) {
            const double level = ToneLevel(buffer, hz, from, until);
            if (level > best) best = level, bestHz = hz;
        }
        return bestHz;
    };
    const double coarse = search(50, 2000, 5, std::min(to, from + 8192));
    return search(coarse - 6, coarse + 6, 0.1, to);
}

}  // namespace jorv::test
