#include "effects/FftEffects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>

#include "effects/EffectMath.h"
#include "effects/FftInPlace.h"

namespace jorv {

namespace {

constexpr double InputScale = 1.0 / 32768;
constexpr double OutputScale = 32768;
constexpr double SynthesisScale = 1.0 / 4096;

// The periodic Hann window, the same for analysis and overlap-add.
const std::array<double, FftSize>& HannWindow() {
    static const auto window = [] {
        std::array<double, FftSize> w{};
        for (int m = 0; m < FftSize; ++m) w[m] = 0.5 - 0.5 * std::cos(m * fxmath::FftAngleStep);
        return w;
    }();
    return window;
}

struct FftRun {
    FftWorkspace& work;
    SpectralStep step;
    int k1, k2, k3;
    // Kept from frame to frame and from the left channel's pass into the right's.
    double pitchRatio;
};

void ProcessFrame(FftRun& run) {
    FftWorkspace& w = run.work;
    const auto& window = HannWindow();
    for (int m = 0; m < FftSize; ++m) {
        w.spectrum[2 * m] = static_cast<float>(w.inputFifo[m] * window[m]);
        w.spectrum[2 * m + 1] = 0.0f;
    }
    FftInPlace(w.spectrum, FftSize, -1);
    std::fill(std::begin(w.synthesisMagnitude), std::end(w.synthesisMagnitude), 0.0f);
    std::fill(std::begin(w.synthesisFrequency), std::end(w.synthesisFrequency), 0.0f);
    run.step({w, run.pitchRatio}, run.k1, run.k2, run.k3);
    std::fill(w.spectrum + 2 * FftBins, w.spectrum + 2 * FftSize, 0.0f);
    FftInPlace(w.spectrum, FftSize, 1);
    for (int m = 0; m < FftSize; ++m)
        w.accumulator[m] = static_cast<float>(w.accumulator[m] + window[m] * w.spectrum[2 * m] * SynthesisScale);
    std::copy(w.accumulator, w.accumulator + FftHop, w.outputFifo);
    std::copy(w.accumulator + FftHop, w.accumulator + FftHop + FftSize, w.accumulator);
    std::copy(w.inputFifo + FftHop, w.inputFifo + FftSize, w.inputFifo);
}

int16_t ToSample(float value) {
    const double scaled = value * OutputScale;
    if (!std::isfinite(scaled)) return 0;
    const auto truncated = static_cast<long long>(std::clamp(scaled, -65536.0, 65536.0));
    return static_cast<int16_t>(std::clamp(truncated, -32767LL, 32767LL));
}

// One channel's pass; results are written 3072 frames behind the frame being read.
void RunChannel(FftRun& run, TrackSamples samples, int c, int64_t start, int64_t end, const EffectProgress& progress,
                int64_t doneBefore, int64_t total) {
    FftWorkspace& w = run.work;
    w.clear();
    int j = FftFifoOffset;
    int64_t count = 0;
    for (int64_t f = start; f < end; ++f) {
        w.inputFifo[j] = static_cast<float>(samples.values[2 * f + c] * InputScale);
        if (count > FftFifoOffset) samples.values[2 * (f - FftFifoOffset) + c] = ToSample(w.outputFifo[j - FftFifoOffset]);
        ++j;
        ++count;
        if (j == FftSize) {
            ProcessFrame(run);
            j = FftFifoOffset;
            if (progress) progress(doneBefore + count, total);
        }
    }
}

}  // namespace

std::unique_ptr<FftWorkspace> AllocateFftWorkspace() { return std::unique_ptr<FftWorkspace>(new (std::nothrow) FftWorkspace); }

void ApplyFftEffect(TrackSamples samples, SpectralStep step, int64_t start, int64_t end, int32_t p1, int32_t p2, int32_t p3,
                    const EffectProgress& progress, FftWorkspaceAllocator allocate) {
    const std::unique_ptr<FftWorkspace> work = allocate();
    if (!work || start >= end) return;
    FftRun run{*work, step, p1 & 0xFF, p2 & 0xFF, p3 & 0xFF, 0.0};
    const int64_t length = end - start;
    RunChannel(run, samples, 0, start, end, progress, 0, 2 * length);
    RunChannel(run, samples, 1, start, end, progress, length, 2 * length);
}

}  // namespace jorv
