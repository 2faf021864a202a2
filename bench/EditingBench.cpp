#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/Gains.h"
#include "core/SilentUiServices.h"
#include "core/TrackBuffers.h"
#include "core/TrackEditing.h"
#include "core/TrackSwitching.h"

namespace jorv {
namespace {

// Cut then Paste of a whole 4 MB track; after the first round the clipboard file is in the
// page cache, as it is for a user who has just cut.
void BM_CutThenPasteWholeTrack(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "jorv-bench-editing";
    std::filesystem::create_directories(folder);
    SilentUiServices ui;
    Project project;
    project.clipperPath = (folder / "clipper.wav").string();
    project.block.tracks[0].volume = 255;
    project.block.tracks[0].pan = 127;
    ComputeGains(project);
    CreateTrackBuffers(project, 4, ui);
    SelectWholeTrack(project);
    for (auto _ : state) {
        state.PauseTiming();
        for (uint32_t k = 0; k < project.framesPerTrack; ++k) project.trackBuffer[k] = {int16_t(k), int16_t(-int(k))};
        state.ResumeTiming();
        CutSelection(project, ui);
        PasteClip(project, PasteMode::Replace, ui);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CutThenPasteWholeTrack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
