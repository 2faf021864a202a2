#include "dsp/HalfBandFilters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace jorv {

// h[n] = sinc(n / 2) / 2 under a Blackman window, n = -15..15: every other tap but the centre
// is zero, and the taps sum to one, so a constant passes unchanged.
const std::array<float, HalfBandTaps>& HalfBandCoefficients() {
    static const auto taps = [] {
        std::array<float, HalfBandDecimator::Taps> h{};
        constexpr int Half = HalfBandDecimator::Taps / 2;
        double sum = 0;
        std::array<double, HalfBandDecimator::Taps> raw{};
        for (int k = 0; k < HalfBandDecimator::Taps; ++k) {
            const int n = k - Half;
            const double x = std::numbers::pi * n / 2;
            const double sinc = n == 0 ? 1.0 : std::sin(x) / x;
            const double w = 2 * std::numbers::pi * k / (HalfBandDecimator::Taps - 1);
            raw[k] = 0.5 * sinc * (0.42 - 0.5 * std::cos(w) + 0.08 * std::cos(2 * w));
            sum += raw[k];
        }
        for (int k = 0; k < HalfBandDecimator::Taps; ++k) h[k] = static_cast<float>(raw[k] / sum);
        return h;
    }();
    return taps;
}

void HalfBandDecimator::push(const float* frame) {
    newest_ = (newest_ + 1) % Taps;
    history_[0][newest_] = frame[0];
    history_[1][newest_] = frame[1];
}

float HalfBandDecimator::filter(int channel) const {
    const auto& h = HalfBandCoefficients();
    const auto& x = history_[channel];
    float sum = 0;
    for (int k = 0, at = newest_; k < Taps; ++k, at = at == 0 ? Taps - 1 : at - 1) sum += h[k] * x[at];
    return sum;
}

void HalfBandDecimator::process(const float* in, float* out, uint32_t outFrames) {
    for (uint32_t j = 0; j < outFrames; ++j) {
        push(in + 4 * j);
        push(in + 4 * j + 2);
        out[2 * j] = filter(0);
        out[2 * j + 1] = filter(1);
    }
}

std::vector<int16_t> DoubleSampleRate(const std::vector<int16_t>& samples) {
    const auto& h = HalfBandCoefficients();
    constexpr int Half = HalfBandTaps / 2;
    const auto size = static_cast<int64_t>(samples.size());
    std::vector<int16_t> doubled(2 * samples.size());
    for (int64_t m = 0; m < 2 * size; ++m) {
        // The zero-stuffed signal has input sample k at 2k; the filter is centred on m.
        double sum = 0;
        for (int64_t j = m - Half; j <= m + Half; ++j) {
            if (j < 0 || j % 2 != 0 || j / 2 >= size) continue;
            sum += h[std::size_t(j - m + Half)] * samples[std::size_t(j / 2)];
        }
        doubled[std::size_t(m)] = static_cast<int16_t>(std::clamp(std::lround(2 * sum), -32767L, 32767L));
    }
    return doubled;
}

}  // namespace jorv
