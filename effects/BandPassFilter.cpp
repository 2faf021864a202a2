#include "effects/BandPassFilter.h"

#include <algorithm>
#include <cmath>
#include <thread>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "core/WaveFormat.h"
#include "effects/EffectMath.h"
#include "effects/FftWidePass.h"

namespace jorv {

using namespace fxmath;

namespace {

constexpr int HalfTaps = 64;
// The filter sums taps 0..127 of the kernel.
constexpr int SummedTaps = 128;
constexpr int ResponsePoints = 251;
constexpr float ResponseStep = 0.012566371f;

std::array<float, HalfTaps + 1> BlackmanWindow() {
    std::array<float, HalfTaps + 1> wn{};
    for (int n = 1; n <= HalfTaps; ++n)
        wn[n] = ToFloat(0.42 + 0.5 * std::cos(Pi * n / HalfTaps) + 0.08 * std::cos(TwoPi * n / HalfTaps));
    return wn;
}

// The largest level of the kernel's response over 0..nyquist, in dB, never below -100.
double PeakLevel(const std::array<float, BandPassTaps>& kernel) {
    double peak = -100.0;
    for (int j = 0; j < ResponsePoints; ++j) {
        const double omega = j * double{ResponseStep};
        double re = 0, im = 0;
        for (int n = 0; n < BandPassTaps; ++n) {
            re += kernel[n] * std::cos(n * omega);
            im += kernel[n] * std::sin(n * omega);
        }
        peak = std::max(peak, 10.0 * std::log10(re * re + im * im));
    }
    return peak;
}

// sums[i] = the taps times the input ending at input[i + 127], added in tap order from 0.
void SumTaps(const double* taps, const double* input, double* sums, int count) {
    for (int i = 0; i < count; ++i) {
        double sum = 0.0;
        for (int k = 0; k < SummedTaps; ++k) sum += taps[k] * input[i + SummedTaps - 1 - k];
        sums[i] = sum;
    }
}

#if defined(__x86_64__)
// The same sums, 32 at a time in eight wide registers; each sum still adds its products in tap
// order, so the results are the same bit for bit.
__attribute__((target("avx"))) void SumTapsWide(const double* taps, const double* input, double* sums, int count) {
    constexpr int Lanes = 4, Registers = 8;
    int i = 0;
    for (; i + Lanes * Registers <= count; i += Lanes * Registers) {
        __m256d sum[Registers];
        for (__m256d& s : sum) s = _mm256_setzero_pd();
        for (int k = 0; k < SummedTaps; ++k) {
            const __m256d tap = _mm256_broadcast_sd(taps + k);
            const double* x = input + i + SummedTaps - 1 - k;
            for (int r = 0; r < Registers; ++r)
                sum[r] = _mm256_add_pd(sum[r], _mm256_mul_pd(tap, _mm256_loadu_pd(x + Lanes * r)));
        }
        for (int r = 0; r < Registers; ++r) _mm256_storeu_pd(sums + i + Lanes * r, sum[r]);
    }
    SumTaps(taps, input + i, sums + i, count - i);
}
#endif

// Filters the values of one channel for frames first..last (inclusive), from the highest down.
// Blocks are computed before they are written, and the taps are summed in order, so every
// result is what a frame-by-frame pass over unchanged input gives.
void FilterChannel(TrackSamples samples, int c, int64_t first, int64_t last, const std::array<float, BandPassTaps>& kernel,
                   double dry, double gain) {
    constexpr int Block = 256;
    double taps[SummedTaps];
    std::copy(kernel.begin(), kernel.begin() + SummedTaps, taps);
    double input[Block + SummedTaps - 1];
    double sums[Block];
    for (int64_t top = last; top >= first; top -= Block) {
        const int64_t bottom = std::max(first, top - Block + 1);
        const int count = int(top - bottom + 1);
        const int64_t oldest = bottom - (SummedTaps - 1);
        for (int i = 0; i < count + SummedTaps - 1; ++i) input[i] = samples.at(2 * (oldest + i) + c);
#if defined(__x86_64__)
        if (HasWideRegisters()) {
            SumTapsWide(taps, input, sums, count);
        } else {
            SumTaps(taps, input, sums, count);
        }
#else
        SumTaps(taps, input, sums, count);
#endif
        for (int i = 0; i < count; ++i) {
            const double x = input[i + SummedTaps - 1];
            samples.values[2 * (bottom + i) + c] = ClampTruncate(x * dry + sums[i] * gain, SampleLimit);
        }
    }
}

}  // namespace

std::array<float, BandPassTaps> DesignBandPass(float lo, float hi) {
    const double nyquist = WaveFormat::sampleRate / 2;
    const float centre = ToFloat((double{lo} + hi) * HalfPi / nyquist);
    const float halfWidth = ToFloat((double{hi} - lo + 11.13 * nyquist / 128) * HalfPi / nyquist);
    const auto wn = BlackmanWindow();
    std::array<float, BandPassTaps> kernel{};
    kernel[HalfTaps] = ToFloat(halfWidth * 0.3183098861837907);
    for (int n = 1; n <= HalfTaps; ++n) {
        const float h = ToFloat(std::cos(centre * double(n)) * std::sin(halfWidth * double(n)) * wn[n] / (Pi * n));
        kernel[HalfTaps - n] = h;
        kernel[HalfTaps + n] = h;
    }
    const double scale = std::pow(10.0, -0.05 * PeakLevel(kernel));
    for (float& tap : kernel) tap = ToFloat(tap * scale);
    return kernel;
}

void BandPassFilter(TrackSamples samples, int64_t start, int64_t end, float lo, float hi, float dryLeft,
                    float dryRight, float gainLeft, float gainRight) {
    const auto kernel = DesignBandPass(lo, hi);
    // Two zones: the first 128 frames after the unfiltered lead, cut off at end, and the rest
    // of the span when the range reaches far enough.
    const auto filter = [&](int c, int64_t firstZoneStart, int64_t spanLast) {
        const double dry = c == 0 ? dryLeft : dryRight;
        const double gain = c == 0 ? gainLeft : gainRight;
        const int64_t firstZoneLast = std::min(firstZoneStart + 127, end - 1);
        if (end - 128 > start + 256) FilterChannel(samples, c, firstZoneLast + 1, spanLast, kernel, dry, gain);
        FilterChannel(samples, c, firstZoneStart, firstZoneLast, kernel, dry, gain);
    };
    // The channels are independent: over a long range the right one runs on a thread of its own.
    constexpr int64_t LongRange = 65536;
    if (end - start < LongRange) {
        filter(0, start + 129, end - 128);
        filter(1, start + 128, end - 129);
        return;
    }
    std::thread right([&] { filter(1, start + 128, end - 129); });
    filter(0, start + 129, end - 128);
    right.join();
}

void ApplyBandPass(TrackSamples samples, const EffectArguments& a) {
    const float lo = ToFloat(a.k1() * 22050.0 / 256.0);
    const float hi = ToFloat(a.k2() * 22050.0 / 256.0);
    BandPassFilter(samples, a.start, a.end, lo, hi, 0.0f, 0.0f, a.panLeft, a.panRight);
}

}  // namespace jorv
