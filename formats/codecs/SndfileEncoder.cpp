#include "formats/codecs/SndfileEncoder.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace jorv {

namespace {

constexpr int OpusRate = 48000;

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

int FormatOf(ExportType type) {
    switch (type) {
    case ExportType::Flac: return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case ExportType::Vorbis: return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case ExportType::Opus: return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    case ExportType::Mp3: return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    case ExportType::Wave: break;
    }
    return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
}

// libsndfile's Opus encoder turns its compression level into a bitrate falling linearly from
// 256 kb/s per channel at 0 to 6 kb/s per channel at 1 (measured on this library).
double OpusLevelFor(int stereoKilobits) {
    constexpr double Best = 2 * 256, Least = 2 * 6;
    return std::clamp((Best - stereoKilobits) / (Best - Least), 0.0, 1.0);
}

// libsndfile takes one "compression level" from 0 (best) to 1 for every lossy encoder: for
// Vorbis it is 1 - q / 10, for MP3 at a variable bitrate V / 10.
double CompressionLevel(ExportType type, int quality) {
    switch (type) {
    case ExportType::Vorbis: return 1.0 - quality / 10.0;
    case ExportType::Mp3: return std::max(0, 8 - quality) / 10.0;
    case ExportType::Opus: return OpusLevelFor(16 + 24 * quality);
    default: return 0.5;
    }
}

bool SetQuality(SNDFILE* file, ExportType type, int quality) {
    if (type == ExportType::Mp3) {
        // This command answers 0 when it worked; the file's error state tells.
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        if (sf_error(file) != SF_ERR_NO_ERROR) return false;
    }
    if (type == ExportType::Flac) return true;
    double level = CompressionLevel(type, quality);
    return sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level) == SF_TRUE;
}

// The lossy encoders are given floats: this libsndfile turns 16-bit samples into noise on the
// way to MP3.
std::vector<float> AsFloats(const Frame* frames, std::size_t count) {
    std::vector<float> samples(2 * count);
    for (std::size_t k = 0; k < count; ++k) {
        samples[2 * k] = frames[k].left / 32768.0f;
        samples[2 * k + 1] = frames[k].right / 32768.0f;
    }
    return samples;
}

// The frames as interleaved floats at Opus's rate, converted by libsoxr at very high quality.
std::vector<float> AtOpusRate(const Frame* frames, std::size_t count) {
    const std::vector<float> in = AsFloats(frames, count);
    std::vector<float> out(2 * (count * OpusRate / WaveFormat::sampleRate + 16));
    std::size_t made = 0;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    if (soxr_oneshot(WaveFormat::sampleRate, OpusRate, 2, in.data(), count, nullptr, out.data(), out.size() / 2, &made, &io,
                     &quality, nullptr) != nullptr)
        return {};
    out.resize(2 * made);
    return out;
}

bool WriteFrames(SNDFILE* file, const Frame* frames, std::size_t count, ExportType type) {
    if (type == ExportType::Flac) {
        const auto total = sf_count_t(count);
        return sf_writef_short(file, reinterpret_cast<const short*>(frames), total) == total;
    }
    const std::vector<float> samples = type == ExportType::Opus ? AtOpusRate(frames, count) : AsFloats(frames, count);
    const auto total = sf_count_t(samples.size() / 2);
    return (count == 0 || total > 0) && sf_writef_float(file, samples.data(), total) == total;
}

}  // namespace

bool EncodeTrackFrames(const Frame* frames, std::size_t count, const std::string& path, ExportType type, int quality) {
    quality = std::clamp(quality, 0, MaxExportQuality);
    SF_INFO info{};
    info.samplerate = type == ExportType::Opus ? OpusRate : int(WaveFormat::sampleRate);
    info.channels = 2;
    info.format = FormatOf(type);
    // Written beside its name and renamed over it once whole, so that a failure leaves the
    // file that was there.
    const std::string part = path + ".part";
    bool written = false;
    {
        const std::unique_ptr<SNDFILE, CloseSndfile> file(sf_open(part.c_str(), SFM_WRITE, &info));
        written = file && SetQuality(file.get(), type, quality) && WriteFrames(file.get(), frames, count, type);
    }
    if (written && std::rename(part.c_str(), path.c_str()) == 0) return true;
    std::remove(part.c_str());
    return false;
}

}  // namespace jorv
