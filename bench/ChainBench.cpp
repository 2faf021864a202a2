#include <benchmark/benchmark.h>

#include "effects/EffectCatalogue.h"
#include "effects/EffectChain.h"

namespace jorv {
namespace {

// A whole 4 MB track of a ramp, its untouched copy in scratchBuffer.
struct WholeTrack {
    WholeTrack() {
        project.framesPerTrack = 1048576;
        project.trackBuffer.reset(AllocateFrames(project.framesPerTrack));
        project.scratchBuffer.reset(AllocateFrames(project.framesPerTrack));
        for (uint32_t k = 0; k < project.framesPerTrack; ++k) project.trackBuffer[k] = {int16_t(k), int16_t(-int(k))};
        BackupRange(project, 0, project.framesPerTrack);
    }
    Project project;
};

void BM_BlendAlone(benchmark::State& state) {
    WholeTrack track;
    for (auto _ : state) BlendRange(track.project, 0, track.project.framesPerTrack, 128);
    state.counters["samples_per_s"] =
        benchmark::Counter(2.0 * track.project.framesPerTrack, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BlendAlone)->Unit(benchmark::kMillisecond);

// Sixteen of the quickest time-domain effects (Misc, Amp and the simple delays), then the blend.
void BM_ChainOfSixteenEffects(benchmark::State& state) {
    WholeTrack track;
    EffectChain chain = NewEffectChain();
    for (const int row : {31, 32, 33, 34, 0, 1, 3, 4, 31, 32, 33, 34, 0, 1, 3, 14}) AddChainItem(chain, {row, 128, 128, 128});
    EffectRandom random;
    for (auto _ : state) ApplyChainToRange(track.project, chain, 0, track.project.framesPerTrack, random);
}
BENCHMARK(BM_ChainOfSixteenEffects)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
