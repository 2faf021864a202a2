#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "effects/ApplyEffect.h"
#include "effects/FftInPlace.h"

namespace jorv {
namespace {

constexpr uint32_t TrackFrames = 1048576;  // a 4 MB track

// A loud, noise-like track, so that every effect has notes, levels and spectra to work on.
Project NoisyTrack() {
    Project project;
    project.framesPerTrack = TrackFrames;
    project.trackBuffer.reset(AllocateFrames(TrackFrames));
    uint32_t state = 5;
    for (uint32_t f = 0; f < TrackFrames; ++f) {
        state = state * 1664525u + 1013904223u;
        const int envelope = (f / 20000) % 2 ? 1 : 8;
        project.trackBuffer[f] = {int16_t(int16_t(state >> 16) / envelope), int16_t(int16_t(state >> 8) / envelope)};
    }
    return project;
}

// Each effect over the whole track with its default parameters, in frames per second.
void BM_Effect(benchmark::State& state) {
    const EffectInfo& effect = EffectCatalogue()[state.range(0)];
    state.SetLabel(std::string(effect.catalogueName));
    Project project = NoisyTrack();
    const auto& p = effect.defaults;
    for (auto _ : state) {
        EffectRandom random;
        ApplyEffect(project, effect.id, 0, TrackFrames, p[0], p[1], p[2], random);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * TrackFrames);
}
BENCHMARK(BM_Effect)->DenseRange(0, int(EffectCatalogue().size()) - 1)->Unit(benchmark::kMillisecond);

// A forward and an inverse transform of 4096 points.
void BM_FftForwardAndInverse(benchmark::State& state) {
    std::vector<float> data(8192);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = float(i % 97) / 97.0f - 0.5f;
    for (auto _ : state) {
        FftInPlace(data.data(), 4096, -1);
        FftInPlace(data.data(), 4096, 1);
        for (float& v : data) v *= 1.0f / 4096;
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_FftForwardAndInverse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jorv
