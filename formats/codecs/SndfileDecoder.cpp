#include "formats/codecs/SndfileDecoder.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "dsp/SixteenBitQuantizer.h"
#include "dsp/StereoFold.h"
#include "formats/codecs/SndfileNames.h"

namespace jorv {

namespace {

constexpr std::size_t BlockFrames = 16384;
// A wave file's sizes are 32-bit: the clipboard file cannot hold more frames than this.
constexpr std::size_t MaxFrames = (uint64_t{UINT32_MAX} - 64) / sizeof(Frame);
// Reserving does not touch memory: room for up to 25 minutes is asked before reading.
constexpr std::size_t ReservedFrames = std::size_t{1} << 26;
// Rates outside these are no audio anyone records; a file that claims one is refused, so that a
// few bytes cannot ask for hours of converted frames.
constexpr int MinRate = 1000, MaxRate = 768000;

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
struct DeleteSoxr {
    void operator()(soxr* resampler) const { soxr_delete(resampler); }
};

Speaker SpeakerOf(int position) {
    switch (position) {
    case SF_CHANNEL_MAP_MONO: return Speaker::Mono;
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER: return Speaker::Left;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER: return Speaker::Right;
    case SF_CHANNEL_MAP_CENTER:
    case SF_CHANNEL_MAP_FRONT_CENTER: return Speaker::Center;
    case SF_CHANNEL_MAP_LFE: return Speaker::LowFrequency;
    case SF_CHANNEL_MAP_REAR_LEFT: return Speaker::LeftBack;
    case SF_CHANNEL_MAP_REAR_RIGHT: return Speaker::RightBack;
    case SF_CHANNEL_MAP_SIDE_LEFT: return Speaker::LeftSide;
    case SF_CHANNEL_MAP_SIDE_RIGHT: return Speaker::RightSide;
    default: return Speaker::Other;
    }
}

// The file's own map of its speakers when it has one, else the usual order.
std::vector<Speaker> SpeakersOf(SNDFILE* file, int channels) {
    std::vector<int> map(static_cast<std::size_t>(channels));
    if (sf_command(file, SFC_GET_CHANNEL_MAP_INFO, map.data(), int(map.size() * sizeof(int))) != SF_TRUE)
        return DefaultSpeakers(channels);
    std::vector<Speaker> speakers;
    for (int position : map) speakers.push_back(SpeakerOf(position));
    return speakers;
}

// Stereo float blocks in, track frames out: the rate converted when it differs, then quantized.
class TrackFormatSink {
public:
    TrackFormatSink(int rate, bool dither, std::vector<Frame>& out) : quantize_(dither), out_(out) {
        if (rate == int(WaveFormat::sampleRate)) return;
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
        // Both channels at once, each on a core of its own where there are two.
        const soxr_runtime_spec_t runtime = soxr_runtime_spec(2);
        resampler_.reset(soxr_create(rate, WaveFormat::sampleRate, 2, &error, &io, &quality, &runtime));
        converted_.resize(2 * (BlockFrames * WaveFormat::sampleRate / std::size_t(std::max(rate, 1)) + 64));
    }
    bool usable() const { return converted_.empty() || resampler_ != nullptr; }
    void take(const float* stereo, std::size_t frames) {
        if (!resampler_) return store(stereo, frames);
        // A block may give more out than fits at once: go on until it has all been taken.
        std::size_t used = 0;
        do {
            std::size_t consumed = 0, produced = 0;
            soxr_process(resampler_.get(), stereo + 2 * used, frames - used, &consumed, converted_.data(),
                         converted_.size() / 2, &produced);
            store(converted_.data(), produced);
            used += consumed;
            if (consumed == 0 && produced == 0) break;
        } while (used < frames);
    }
    // The resampler's last frames, held back by its filter until the input ends.
    void finish() {
        if (!resampler_) return;
        for (std::size_t produced = 1; produced > 0;) {
            soxr_process(resampler_.get(), nullptr, 0, nullptr, converted_.data(), converted_.size() / 2, &produced);
            store(converted_.data(), produced);
        }
    }
    bool full() const { return out_.size() >= MaxFrames; }

private:
    void store(const float* stereo, std::size_t frames) {
        frames = std::min(frames, MaxFrames - std::min(MaxFrames, out_.size()));
        for (std::size_t f = 0; f < frames; ++f) {
            // Sides that are the same (a mono source) stay the same: one draw of dither for both.
            const int16_t left = quantize_(stereo[2 * f]);
            out_.push_back({left, stereo[2 * f + 1] == stereo[2 * f] ? left : quantize_(stereo[2 * f + 1])});
        }
    }

    SixteenBitQuantizer quantize_;
    std::vector<Frame>& out_;
    std::unique_ptr<soxr, DeleteSoxr> resampler_;
    std::vector<float> converted_;
};

}  // namespace

DecodedAudio DecodeToTrackFormat(const std::string& path, const ImportProgress& progress) {
    DecodedAudio decoded;
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, CloseSndfile> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < MinRate || info.samplerate > MaxRate) {
        decoded.problem = file ? "The file's channels or rate are not those of audio." : sf_strerror(nullptr);
        return decoded;
    }
    decoded.source = {info.samplerate, info.channels, SndfileFormatName(info.format)};
    const StereoFold fold(SpeakersOf(file.get(), info.channels));
    TrackFormatSink sink(info.samplerate, !AtMostSixteenBits(info.format), decoded.frames);
    if (!sink.usable()) {
        decoded.problem = "The rate of the file cannot be converted.";
        return decoded;
    }
    const double expected = info.frames > 0 ? double(info.frames) : 0.0;
    // A header may claim any length: what it claims is reserved only up to a bound.
    decoded.frames.reserve(std::size_t(std::min(expected * WaveFormat::sampleRate / info.samplerate, double(ReservedFrames))));
    std::vector<float> block(BlockFrames * std::size_t(info.channels)), stereo(2 * BlockFrames);
    decoded.outcome = DecodedAudio::Outcome::Decoded;
    double read = 0;
    for (sf_count_t got; !sink.full() && (got = sf_readf_float(file.get(), block.data(), BlockFrames)) > 0;) {
        fold.process(block.data(), std::size_t(got), stereo.data());
        sink.take(stereo.data(), std::size_t(got));
        read += double(got);
        if (progress && !progress(expected > 0 ? std::min(1.0, read / expected) : 0.0)) {
            decoded.outcome = DecodedAudio::Outcome::Cancelled;
            decoded.frames.clear();
            return decoded;
        }
    }
    sink.finish();
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) decoded.problem = sf_strerror(file.get());
    return decoded;
}

}  // namespace jorv
