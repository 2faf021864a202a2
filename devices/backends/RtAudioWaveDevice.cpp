#include "devices/backends/RtAudioWaveDevice.h"

#include <RtAudio.h>

#include "devices/AudioApi.h"
#include "devices/backends/AudioDeviceList.h"
#include "devices/backends/JackLoopWires.h"
#include "devices/backends/RtAudioApi.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace jorv {

namespace {

constexpr unsigned Channels = WaveFormat::channels;

}  // namespace

int RtAudioWaveDevice::Callback(void* output, void* input, unsigned frames, double, unsigned status, void* self) {
    static_cast<RtAudioWaveDevice*>(self)->process(static_cast<int16_t*>(output), static_cast<const int16_t*>(input),
                                                   frames, status != 0);
    return 0;
}

RtAudioWaveDevice::RtAudioWaveDevice(std::string apiName)
    : apiName_(ChosenAudioApi(apiName)), apiFixed_(!apiName_.empty()) {}

void RtAudioWaveDevice::choose(const AudioDeviceChoice& choice) {
    if (!apiFixed_) apiName_ = choice.api;
    outputName_ = choice.output;
    inputName_ = choice.input;
}

RtAudioWaveDevice::~RtAudioWaveDevice() { close(); }

bool RtAudioWaveDevice::openOutput() {
    close();
    try {
        audio_ = std::make_unique<RtAudio>(AudioApiNamed(apiName_));
        audio_->showWarnings(false);
        if (audio_->getDeviceCount() == 0) throw RtAudioError("no audio devices", RtAudioError::NO_DEVICES_FOUND);
        RtAudio::StreamParameters out{AudioDeviceNamed(*audio_, outputName_, false), Channels, 0};
        RtAudio::StreamParameters in{AudioDeviceNamed(*audio_, inputName_, true), Channels, 0};
        RtAudio::StreamOptions options;
        options.streamName = "jorv";
        options.flags = RTAUDIO_MINIMIZE_LATENCY;
        unsigned periodFrames = 256;
        hasInput_ = audio_->getDeviceInfo(in.deviceId).inputChannels >= Channels;
        try {
            audio_->openStream(&out, hasInput_ ? &in : nullptr, RTAUDIO_SINT16, WaveFormat::sampleRate, &periodFrames,
                               Callback, this, &options);
        } catch (const RtAudioError&) {
            if (!hasInput_) throw;
            hasInput_ = false;  // no usable input: play only
            audio_->openStream(&out, nullptr, RTAUDIO_SINT16, WaveFormat::sampleRate, &periodFrames, Callback, this,
                               &options);
        }
        audio_->startStream();
        return true;
    } catch (const RtAudioError&) {
        audio_.reset();
        hasInput_ = false;
        return false;
    }
}

bool RtAudioWaveDevice::close() {
    reset();
    if (!audio_) return true;
    bool closed = true;
    try {
        // Nothing is left to drain after reset(); and RtAudio's JACK stop waits on a mutex it
        // does not hold, which can hang, where abort does not wait.
        if (audio_->isStreamRunning()) audio_->abortStream();
        if (audio_->isStreamOpen()) audio_->closeStream();
    } catch (const RtAudioError&) {
        closed = false;
    }
    audio_.reset();
    hasInput_ = false;
    return closed;
}

bool RtAudioWaveDevice::start(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames, Mode mode) {
    reset();
    if (!audio_ || !audio_->isStreamRunning() || (mode == Recording && !hasInput_)) return false;
    output_ = buffer;
    outputFrames_ = frames;
    input_ = into;
    inputFrames_ = intoFrames;
    played_ = 0;
    recorded_ = 0;
    bufferDone_ = false;
    monitor_.dropouts.clear();
    mode_ = mode;  // published last: the callback starts with everything above in place
    return true;
}

bool RtAudioWaveDevice::play(const Frame* buffer, uint32_t frames) { return start(buffer, frames, nullptr, 0, Playing); }

bool RtAudioWaveDevice::playAndRecord(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) {
    return start(buffer, frames, into, intoFrames, Recording);
}

void RtAudioWaveDevice::reset() {
    const bool wasPlaying = mode_.exchange(Idle) != Idle;
    // Once the callback is seen outside its body, it has seen Idle and leaves the buffers alone.
    while (inCallback_.load()) std::this_thread::yield();
    if (wasPlaying) bufferDone_ = true;
}

// An underflow and an overflow reported together are one dropout: JACK flags both for one xrun.
void RtAudioWaveDevice::process(int16_t* output, const int16_t* input, unsigned frames, bool dropout) {
    inCallback_.store(true);
    const int mode = mode_.load();
    // The input is watched whenever it is open, so levels can be set before a take.
    if (input) monitor_.recorded.raise(reinterpret_cast<const Frame*>(input), frames);
    unsigned sent = 0;
    if (mode != Idle) {
        const uint32_t position = played_.load(std::memory_order_relaxed);
        if (dropout) monitor_.dropouts.note(position);
        const uint32_t total = outputFrames_.load(std::memory_order_relaxed);
        sent = std::min<uint32_t>(frames, total - std::min(position, total));
        const Frame* playing = output_.load(std::memory_order_relaxed) + position;
        std::memcpy(output, playing, sent * sizeof(Frame));
        monitor_.played.raise(playing, sent);
        if (mode == Recording && input) {
            const uint32_t taken = recorded_.load(std::memory_order_relaxed);
            const uint32_t room = inputFrames_.load(std::memory_order_relaxed) - taken;
            const uint32_t count = std::min<uint32_t>(frames, room);
            std::memcpy(input_.load(std::memory_order_relaxed) + taken, input, count * sizeof(Frame));
            // Published after the frames, so the take journal may read what it counts.
            recorded_.store(taken + count, std::memory_order_release);
        }
        played_.store(position + sent);
        int expected = mode;
        if (position + sent >= total && mode_.compare_exchange_strong(expected, Idle)) bufferDone_ = true;
    }
    std::memset(output + sent * Channels, 0, (frames - sent) * sizeof(Frame));
    inCallback_.store(false);
}

bool RtAudioWaveDevice::wireLoopback(bool connect) {
    return audio_ && audio_->getCurrentApi() == RtAudio::UNIX_JACK && WireJackLoopback("jorv", connect);
}

}  // namespace jorv
