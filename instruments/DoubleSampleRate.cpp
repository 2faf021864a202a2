#include "instruments/DoubleSampleRate.h"

#include <algorithm>
#include <cmath>

#include "devices/HalfBandDecimator.h"

namespace jorv {

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
