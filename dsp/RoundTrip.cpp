#include "dsp/RoundTrip.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace jorv {

namespace {

using Spectrum = std::vector<std::complex<double>>;

// In place, radix 2; inverse without the 1/n scale (only the peak's place matters here).
void Fft(Spectrum& x, bool inverse) {
    const std::size_t n = x.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(x[i], x[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = 2 * std::numbers::pi / double(length) * (inverse ? 1 : -1);
        const std::complex<double> step = std::polar(1.0, angle);
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < length / 2; ++k, w *= step) {
                const std::complex<double> even = x[i + k], odd = x[i + k + length / 2] * w;
                x[i + k] = even + odd;
                x[i + k + length / 2] = even - odd;
            }
        }
    }
}

Spectrum SpectrumOf(std::span<const float> values, std::size_t size) {
    Spectrum spectrum(size);
    std::copy(values.begin(), values.end(), spectrum.begin());
    Fft(spectrum, false);
    return spectrum;
}

// Quieter than this all through (about -80 dBFS), the input heard nothing.
constexpr double SilentRms = 1e-4;
constexpr double ClearPeak = 4.0;
// The peak's own neighbours are left out when looking for the next highest.
constexpr int64_t PeakWidth = 16;

}  // namespace

std::vector<float> MaximumLengthSequence(int order) {
    // The taps of a maximal linear-feedback shift register of each order, for this form: the
    // parity of the tapped bits enters at the top as the state shifts right.
    static constexpr uint32_t Taps[] = {0x9, 0x5, 0x941, 0x1601, 0x2015, 0x3, 0x100b, 0x9, 0x81, 0x40023, 0x9};
    order = std::clamp(order, 10, 20);
    const uint32_t taps = Taps[order - 10];
    std::vector<float> values((std::size_t{1} << order) - 1);
    uint32_t state = 1;
    for (float& value : values) {
        value = (state & 1) ? 1.0f : -1.0f;
        const uint32_t feedback = uint32_t(__builtin_popcount(state & taps) & 1);
        state = (state >> 1) | (feedback << (order - 1));
    }
    return values;
}

RoundTrip FindRoundTrip(std::span<const float> probe, std::span<const float> captured) {
    RoundTrip found;
    double energy = 0;
    for (float v : captured) energy += double(v) * v;
    if (captured.size() < probe.size() || probe.empty() || std::sqrt(energy / double(captured.size())) < SilentRms)
        return found;
    std::size_t size = 1;
    while (size < captured.size() + probe.size()) size <<= 1;
    Spectrum correlation = SpectrumOf(captured, size);
    const Spectrum sent = SpectrumOf(probe, size);
    for (std::size_t k = 0; k < size; ++k) correlation[k] *= std::conj(sent[k]);
    Fft(correlation, true);
    const auto lags = int64_t(captured.size() - probe.size()) + 1;
    int64_t peak = 0;
    for (int64_t lag = 1; lag < lags; ++lag)
        if (std::abs(correlation[std::size_t(lag)].real()) > std::abs(correlation[std::size_t(peak)].real())) peak = lag;
    double rest = 0;
    for (int64_t lag = 0; lag < lags; ++lag)
        if (std::abs(lag - peak) > PeakWidth) rest = std::max(rest, std::abs(correlation[std::size_t(lag)].real()));
    found.lag = peak;
    found.clarity = std::abs(correlation[std::size_t(peak)].real()) / std::max(rest, 1e-12);
    found.outcome = found.clarity >= ClearPeak ? RoundTrip::Outcome::Found : RoundTrip::Outcome::Unclear;
    return found;
}

}  // namespace jorv
