#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include <filesystem>

#include "core/SilentUiServices.h"
#include "core/TrackBuffers.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "instruments/EspeakSpeechEngine.h"
#include "instruments/NoteRenderer.h"
#include "instruments/TtsRendering.h"

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

// TTS mode's conversion of 20 notes on a 4 MB track: each word spoken by espeak-ng into the
// clipboard file, read back and rendered, then the splice.
void BM_SpeakAndRender20Words(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "jorv-bench-tts";
    std::filesystem::create_directories(folder);
    SilentUiServices ui;
    Project project;
    project.clipperPath = (folder / "clipper.wav").string();
    CreateTrackBuffers(project, 4, ui);
    const std::string track = (folder / "track.wav").string();
    SaveWave(0, project.framesPerTrack, track, project.trackBuffer.get(), ui);
    project.selectionEnd = project.framesPerTrack - 1;
    std::vector<int32_t> entries;
    for (int n = 0; n < 20; ++n) {
        entries.push_back(n * 1000);
        entries.push_back(0x90 | (48 + n) << 8 | 100 << 16);
    }
    const std::u16string lyrics = u"this is the way we wash our dog wash our dog wash our dog bark bark woof and sing along";
    auto engine = EspeakSpeechEngine::start();
    if (!engine) {
        state.SkipWithError("espeak-ng could not be started");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RenderTts(project, entries, lyrics, *engine, track, ui).notes);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SpeakAndRender20Words)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
