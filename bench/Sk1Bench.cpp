#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "instruments/NoteRenderer.h"

namespace jorv {
namespace {

// 1000 notes of a one-second clip at pitches two octaves either side of middle C, spread over a
// whole 4 MB track.
void BM_Render1000NotesOfAOneSecondClip(benchmark::State& state) {
    std::vector<Frame> clip(44101);
    for (std::size_t k = 0; k + 1 < clip.size(); ++k) {
        const auto sample = static_cast<int16_t>(12000 * std::sin(k * 0.05));
        clip[k] = {sample, sample};
    }
    std::vector<Frame> track(1048576);
    const ClipSamples view(clip.data(), 44100);
    const Canvas canvas{track.data(), uint32_t(track.size())};
    for (auto _ : state) {
        for (int n = 0; n < 1000; ++n)
            RenderNote(view, canvas, uint64_t(n) * 1000, PitchRatio(36 + n % 49), (1 + n % 127) / 128.0f);
        benchmark::DoNotOptimize(track.data());
    }
}
BENCHMARK(BM_Render1000NotesOfAOneSecondClip)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
