#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {
namespace {

// A saved 16-track project of 4 MB tracks, every track file full of audio (in the page cache
// once the first iteration has read them).
struct SixteenTracks {
    SixteenTracks() {
        folder = std::filesystem::temp_directory_path() / "jorv-bench-project";
        std::filesystem::create_directories(folder);
        project.exeDir = folder.string();
        project.projectPath = (folder / "bench.jor").string();
        StoreField(project.block.header.name, "bench");
        project.block.header.memPerTrackMB = 4;
        project.block.header.trackCount = MaxTracks;
        CreateTrackBuffers(project, 4, ui);
        for (uint32_t k = 0; k < project.framesPerTrack; ++k) project.trackBuffer[k] = {int16_t(k), int16_t(-int(k))};
        for (int t = 0; t < MaxTracks; ++t) {
            Track& track = project.block.tracks[t];
            track.volume = 255;
            track.pan = 127;
            const std::string path = (folder / ("bench-Track " + std::to_string(t + 1) + ".wav")).string();
            StoreField(track.waveFile, path);
            SaveWave(0, project.framesPerTrack, path, project.trackBuffer.get(), ui);
        }
        SaveProject(project, ui);
    }
    ~SixteenTracks() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    SilentUiServices ui;
    Project project;
};

void BM_SelectTrackWith15OtherTracks(benchmark::State& state) {
    SixteenTracks setup;
    int next = 0;
    for (auto _ : state) {
        SelectTrack(setup.project, next, setup.ui);
        next = (next + 1) % MaxTracks;
    }
}
BENCHMARK(BM_SelectTrackWith15OtherTracks)->Unit(benchmark::kMillisecond);

void BM_OpenSixteenTrackProjectUntilReady(benchmark::State& state) {
    SixteenTracks setup;
    for (auto _ : state) {
        Project opened;
        opened.exeDir = setup.folder.string();
        OpenProjectFile(opened, setup.project.projectPath, setup.ui);
        CreateTrackBuffers(opened, opened.block.header.memPerTrackMB, setup.ui);
        SelectTrack(opened, 0, setup.ui);
        benchmark::DoNotOptimize(opened.trackBuffer.get());
    }
}
BENCHMARK(BM_OpenSixteenTrackProjectUntilReady)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
