#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "devices/backends/ScheduledSynth.h"
#include "devices/ThreadTickTimer.h"
#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "instruments/DrumEvents.h"

namespace jorv {
namespace {

// The largest song there can be: 127 positions of full 32-step patterns, every instrument set.
void BM_BuildDrumEventsOfTheLargestSong(benchmark::State& state) {
    DrumBlock drums{};
    InitialiseDrumBlock(drums);
    for (DrumPattern& pattern : drums.patterns) std::fill(std::begin(pattern.steps), std::end(pattern.steps), 64);
    std::u16string song;
    for (int c = 0; c < 127; ++c) song += char16_t(u'0' + c % 10);
    StoreSongPattern(drums, song);
    DrumEventList list(262144);
    for (auto _ : state) {
        list.count = 0;
        BuildDrumEvents(drums, list);
        benchmark::DoNotOptimize(list.entries.data());
    }
    state.counters["events"] = list.events();
}
BENCHMARK(BM_BuildDrumEventsOfTheLargestSong)->Unit(benchmark::kMillisecond);

// A 10-second song's 1000 ticks on the real tick thread: how late each came against its
// deadline. The deadlines' grid starts inside the timer's thread, so it is taken from the tick
// that came closest to it.
void BM_TickLatenessOverTenSeconds(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    double mean = 0, largest = 0;
    for (auto _ : state) {
        std::vector<double> offGrid;  // tick k's time less k ticks, in ms from the start
        offGrid.reserve(1000);
        ThreadTickTimer timer;
        const auto started = Clock::now();
        timer.start([&] {
            const auto late = Clock::now() - started - std::chrono::milliseconds(DrumTickMs * offGrid.size());
            offGrid.push_back(std::chrono::duration<double, std::milli>(late).count());
            return offGrid.size() < 1000;
        });
        timer.join();
        const double grid = *std::min_element(offGrid.begin(), offGrid.end());
        mean = 0;
        for (double l : offGrid) mean += (l - grid) / offGrid.size();
        largest = *std::max_element(offGrid.begin(), offGrid.end()) - grid;
    }
    state.counters["mean_late_ms"] = mean;
    state.counters["largest_late_ms"] = largest;
}
BENCHMARK(BM_TickLatenessOverTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The synthesizer rendering a 10-second song of claves in 256-frame periods, each hit sent on
// its tick with up to 2 ms of tick lateness: where each onset lands against its song time.
void BM_SynthOnsetPlacementOverTenSeconds(benchmark::State& state) {
    constexpr uint32_t Period = 256, Latency = 2000;
    constexpr int Claves = 75, Hits = 73;
    constexpr double FramesPerMs = 44.1;
    double largest = 0;
    for (auto _ : state) {
        auto synth = ScheduledSynth::create(44100);
        if (!synth) {
            state.SkipWithError("no General MIDI sound font");
            return;
        }
        synth->setLatencyFrames(Latency);
        synth->startSong();
        std::mt19937 random(7);
        std::vector<float> audio;
        std::vector<uint32_t> due;
        for (int k = 0; k < Hits; ++k) due.push_back(k * 137);
        std::size_t next = 0;
        for (uint64_t frame = 0; frame < 10.5 * 44100; frame += Period) {
            // Each tick that has happened by now sends what it is due, late by up to 2 ms.
            const double nowMs = frame / FramesPerMs;
            while (next < due.size() && (due[next] / 10 + 1) * 10.0 + random() % 2000 / 1000.0 <= nowMs)
                synth->send(0x99 | Claves << 8 | 127 << 16, due[next++]);
            std::vector<float> block(2 * Period);
            synth->render(block.data(), Period);
            audio.insert(audio.end(), block.begin(), block.end());
        }
        // An onset is the first sample above a threshold after the silence before the hit.
        std::vector<double> deviation;
        for (uint32_t t : due) {
            const auto expected = static_cast<std::size_t>(Latency + t * FramesPerMs);
            std::size_t f = expected > 400 ? expected - 400 : 0;
            while (2 * f < audio.size() && std::fabs(audio[2 * f]) < 0.01f) ++f;
            deviation.push_back((double(f) - double(expected)) / FramesPerMs);
        }
        const auto [low, high] = std::minmax_element(deviation.begin(), deviation.end());
        largest = *high - *low;  // the constant part of the latency taken out
    }
    state.counters["largest_onset_deviation_ms"] = largest;
}
BENCHMARK(BM_SynthOnsetPlacementOverTenSeconds)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jorv
