#include <benchmark/benchmark.h>

#include <memory>

#include "core/Gains.h"
#include "core/Mixing.h"

namespace jorv {
namespace {

constexpr uint32_t FramesIn4MB = 4 * FramesPerMegabyte;

void BM_MixIntoWholeTrack(benchmark::State& state) {
    Project project;
    project.block.tracks[0].volume = 200;
    project.block.tracks[0].pan = 90;
    ComputeGains(project);
    const bool add = state.range(0) != 0;
    std::unique_ptr<Frame[]> source(new Frame[FramesIn4MB]);
    std::unique_ptr<Frame[]> destination(new Frame[FramesIn4MB]);
    for (uint32_t k = 0; k < FramesIn4MB; ++k) {
        source[k] = {int16_t(k * 37), int16_t(k * -53)};
        destination[k] = {int16_t(k * 11), int16_t(k * 7)};
    }
    for (auto _ : state) {
        MixInto(project, source.get(), destination.get(), 0, FramesIn4MB, 0, 0, add);
        benchmark::DoNotOptimize(destination.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * FramesIn4MB);
    state.SetLabel(add ? "add (frames/s)" : "replace (frames/s)");
}
BENCHMARK(BM_MixIntoWholeTrack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
