// Importing long files of other formats, and exporting a track to each type.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "core/SilentUiServices.h"
#include "formats/AudioExport.h"
#include "formats/AudioImport.h"

namespace jorv {
namespace {

namespace fs = std::filesystem;

const fs::path& Scratch() {
    static const fs::path folder = [] {
        const fs::path made = fs::temp_directory_path() / "jorv-bench-formats";
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

// Ten minutes of two tones a fifth apart, as a file of the given format and rate.
std::string TenMinutes(const char* name, int format, int rate) {
    const fs::path path = Scratch() / name;
    if (fs::exists(path)) return path.string();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<float> block(2 * 4800);
    for (long at = 0; at < 600L * rate; at += 4800) {
        for (int k = 0; k < 4800; ++k) {
            const double t = double(at + k) / rate;
            block[2 * k] = float(0.4 * std::sin(2 * M_PI * 440 * t));
            block[2 * k + 1] = float(0.4 * std::sin(2 * M_PI * 660 * t));
        }
        sf_writef_float(file, block.data(), 4800);
    }
    sf_close(file);
    return path.string();
}

void Import(benchmark::State& state, const std::string& source) {
    const std::string wave = (Scratch() / "imported.wav").string();
    for (auto _ : state) benchmark::DoNotOptimize(ImportAudioFile(source, wave));
}

void BM_ImportTenMinutesOf48kHz24BitFlac(benchmark::State& state) {
    Import(state, TenMinutes("ten-minutes.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000));
}
BENCHMARK(BM_ImportTenMinutesOf48kHz24BitFlac)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ImportTenMinutesOfMp3(benchmark::State& state) {
    Import(state, TenMinutes("ten-minutes.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100));
}
BENCHMARK(BM_ImportTenMinutesOfMp3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A 4 MB track (about 24 s) written as each type.
void BM_ExportA4MegabyteTrack(benchmark::State& state, const char* name) {
    std::vector<Frame> track(4 * 262144);
    for (std::size_t k = 0; k < track.size(); ++k)
        track[k] = {int16_t(12000 * std::sin(k * 0.0627)), int16_t(9000 * std::sin(k * 0.094))};
    SilentUiServices quiet;
    const std::string path = (Scratch() / name).string();
    for (auto _ : state) ExportFrames(track.data(), uint32_t(track.size()), path, DefaultExportQuality, quiet);
}
BENCHMARK_CAPTURE(BM_ExportA4MegabyteTrack, wav, "track.wav")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportA4MegabyteTrack, flac, "track.flac")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportA4MegabyteTrack, ogg, "track.ogg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportA4MegabyteTrack, opus, "track.opus")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportA4MegabyteTrack, mp3, "track.mp3")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace jorv

BENCHMARK_MAIN();
