#include "effects/FftEffects.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <functional>
#include <new>
#include <thread>
#include <vector>

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
    CarriedRatio pitchRatio;
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

// One channel's pass; results are written 3072 frames behind the frame being read. The count
// of frames read is published in done at each hop.
void RunChannel(FftRun& run, TrackSamples samples, int c, int64_t start, int64_t end, std::atomic<int64_t>& done,
                const std::function<void()>& hop) {
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
            done.store(count, std::memory_order_relaxed);
            if (hop) hop();
        }
    }
}

std::vector<int16_t> ChannelValues(TrackSamples samples, int c, int64_t start, int64_t end) {
    std::vector<int16_t> values(static_cast<std::size_t>(end - start));
    for (int64_t f = start; f < end; ++f) values[static_cast<std::size_t>(f - start)] = samples.values[2 * f + c];
    return values;
}

void RestoreChannel(TrackSamples samples, int c, int64_t start, const std::vector<int16_t>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) samples.values[2 * (start + int64_t(k)) + c] = values[k];
}

}  // namespace

std::unique_ptr<FftWorkspace> AllocateFftWorkspace() { return std::unique_ptr<FftWorkspace>(new (std::nothrow) FftWorkspace); }

// The channels run side by side on two threads. The only thing the left pass hands on to the
// right is the pitch ratio it ends with, so the right pass starts from the left's own starting
// 0. That is right unless the right pass read the ratio before setting it (a pitch follower
// over a channel that begins in silence) while the left pass ended with another: the right
// pass is then run again from the left's, on a copy of the channel taken before.
void ApplyFftEffect(TrackSamples samples, SpectralStep step, int64_t start, int64_t end, int32_t p1, int32_t p2, int32_t p3,
                    const EffectProgress& progress, FftWorkspaceAllocator allocate) {
    const std::unique_ptr<FftWorkspace> leftWork = allocate();
    const std::unique_ptr<FftWorkspace> rightWork = leftWork ? allocate() : nullptr;
    if (!rightWork || start >= end) return;
    FftRun left{*leftWork, step, p1 & 0xFF, p2 & 0xFF, p3 & 0xFF, CarriedRatio(0.0)};
    FftRun right{*rightWork, step, p1 & 0xFF, p2 & 0xFF, p3 & 0xFF, CarriedRatio(0.0)};
    const int64_t length = end - start;
    const std::vector<int16_t> rightValues = ChannelValues(samples, 1, start, end);
    std::atomic<int64_t> leftDone{0}, rightDone{0};
    std::thread rightPass([&] { RunChannel(right, samples, 1, start, end, rightDone, {}); });
    // Progress is reported on the caller's thread only.
    const auto report = [&] {
        if (progress) progress(leftDone.load(std::memory_order_relaxed) + rightDone.load(std::memory_order_relaxed), 2 * length);
    };
    RunChannel(left, samples, 0, start, end, leftDone, report);
    leftDone = length;  // the frames after its last hop are done as well
    rightPass.join();
    if (right.pitchRatio.readBeforeSet() && left.pitchRatio.value() != 0.0) {
        RestoreChannel(samples, 1, start, rightValues);
        right.pitchRatio = CarriedRatio(left.pitchRatio.value());
        RunChannel(right, samples, 1, start, end, rightDone, {});
    }
    report();
}

}  // namespace jorv
