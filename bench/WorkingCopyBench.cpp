#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/TakeJournal.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "core/WorkRecovery.h"
#include "devices/TakeJournalWriter.h"
#include "shell/UndoHistory.h"

namespace jorv {
namespace {

namespace fs = std::filesystem;

std::vector<Frame> Audio(uint32_t frames) {
    std::vector<Frame> audio(frames);
    for (uint32_t k = 0; k < frames; ++k) audio[k] = {int16_t(k * 7), int16_t(-int(k) * 5)};
    return audio;
}

// A project of `tracks` tracks of `mb` megabytes, its working folder claimed.
struct Folder {
    Folder(int tracks, int mb) {
        root = fs::temp_directory_path() / "jorv-bench-work";
        fs::remove_all(root);
        fs::create_directories(root);
        project.projectPath = (root / "bench.jor").string();
        StoreField(project.block.header.name, "bench");
        project.block.header.memPerTrackMB = mb;
        project.block.header.trackCount = static_cast<uint16_t>(tracks);
        for (int t = 0; t < tracks; ++t)
            StoreField(project.block.tracks[t].waveFile, (root / ("bench-Track " + std::to_string(t + 1) + ".wav")).string());
        project.savedBlock = project.block;
        WriteProjectFile(project.projectPath, project.block);
        project.work.claim(project.projectPath);
    }
    ~Folder() { fs::remove_all(root); }
    std::string track(int t) const { return FieldToUtf8(project.block.tracks[t].waveFile); }
    fs::path root;
    SilentUiServices ui;
    Project project;
};

// The disk thread's work for a take of 16 tracks' worth of 4 MB: appended in periods as the
// device publishes them, made durable, while the "audio thread" (this loop) never waits.
void BM_TakeJournalOf16TracksWorth(benchmark::State& state) {
    Folder folder(1, 64);
    const std::vector<Frame> take = Audio(16 * FramesPerMegabyte * 4);
    for (auto _ : state) {
        std::atomic<uint32_t> captured{0};
        auto writer = TakeJournalWriter::start(folder.project.work.takeJournal(), {folder.track(0)}, take.data(),
                                               uint32_t(take.size()), [&] { return captured.load(); });
        for (uint32_t at = 0; at < take.size(); at += 4096) captured.store(std::min<uint32_t>(at + 4096, take.size()));
        benchmark::DoNotOptimize(writer->finish());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(take.size() * sizeof(Frame)));
}
BENCHMARK(BM_TakeJournalOf16TracksWorth)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening after a crash in the middle of a 200 MB take on a saved 256 MB track: what is left is
// looked at for the question, then the track and the take are read, the take placed, and the
// track's copy written.
void BM_RecoverA200MegabyteTake(benchmark::State& state) {
    Folder folder(1, 256);
    const std::vector<Frame> saved(256 * FramesPerMegabyte, Frame{1, -1});
    SaveWave(0, uint32_t(saved.size()), folder.track(0), saved.data(), folder.ui);
    const std::vector<Frame> take = Audio(200 * FramesPerMegabyte);
    std::vector<unsigned char> journal = EncodeTakeHeader({folder.track(0), 0, 0, uint32_t(take.size())});
    for (uint32_t at = 0; at < take.size(); at += 4410) {
        const auto chunk = EncodeTakeChunk(take.data() + at, std::min<uint32_t>(4410, uint32_t(take.size()) - at));
        journal.insert(journal.end(), chunk.begin(), chunk.end());
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(folder.project.work.takeJournal(), std::ios::binary)
            .write(reinterpret_cast<const char*>(journal.data()), std::streamsize(journal.size()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(InspectWork(folder.project));
        RecoverWork(folder.project, folder.ui);
    }
}
BENCHMARK(BM_RecoverA200MegabyteTake)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// File > Save with every one of 16 tracks of 4 MB changed: the copies go in place, durably.
void BM_SaveCommitting16Tracks(benchmark::State& state) {
    Folder folder(16, 4);
    const std::vector<Frame> audio = Audio(4 * FramesPerMegabyte);
    std::vector<std::string> tracks;
    for (int t = 0; t < 16; ++t) tracks.push_back(folder.track(t));
    for (auto _ : state) {
        state.PauseTiming();
        for (const std::string& track : tracks)
            SaveWave(0, uint32_t(audio.size()), folder.project.work.copyOf(track), audio.data(), folder.ui);
        state.ResumeTiming();
        folder.project.work.commitTracks(tracks);
        SaveProject(folder.project, folder.ui);
    }
}
BENCHMARK(BM_SaveCommitting16Tracks)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo and Redo of an effect over a whole 4 MB track: the step's frames read back.
void BM_UndoRedoOfAWhole4MegabyteTrack(benchmark::State& state) {
    Folder folder(1, 4);
    UndoHistory history;
    history.useFolder(folder.project.work.historyFolder());
    const std::vector<Frame> before = Audio(4 * FramesPerMegabyte), after(before.rbegin(), before.rend());
    history.record(folder.track(0), "Reverse", 0, before);
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.undo(folder.track(0), after));
        benchmark::DoNotOptimize(history.redo(folder.track(0), before));
    }
}
BENCHMARK(BM_UndoRedoOfAWhole4MegabyteTrack)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1000 steps of one second each: the disk they take against the frames they changed (the
// counter is their ratio), and closing the project with them.
void BM_AThousandOneSecondStepsAndClosing(benchmark::State& state) {
    Folder folder(1, 64);
    const std::vector<Frame> second = Audio(WaveFormat::sampleRate);
    for (auto _ : state) {
        UndoHistory history;
        history.useFolder(folder.project.work.historyFolder());
        for (int step = 0; step < 1000; ++step) history.record(folder.track(0), "Gain", step * 1000, second);
        uint64_t disk = 0;
        for (const auto& file : fs::directory_iterator(folder.project.work.historyFolder())) disk += file.file_size();
        state.counters["disk_per_frames_changed"] = double(disk) / double(1000 * second.size() * sizeof(Frame));
        const auto closing = std::chrono::steady_clock::now();
        history.clear();
        state.counters["closing_ms"] =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - closing).count();
    }
}
BENCHMARK(BM_AThousandOneSecondStepsAndClosing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
}  // namespace jorv

BENCHMARK_MAIN();
