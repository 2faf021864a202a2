#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "devices/WaveDevice.h"

class RtAudio;

namespace jorv {

// The wave devices on RtAudio: one stream, duplex where an input exists, running from open to
// close so that a play or a take starts at the next device period. The audio callback shares
// only atomics and the two given buffers with the caller, and never blocks or allocates.
class RtAudioWaveDevice final : public WaveDevice {
public:
    // apiName: "jack", "pulse", "alsa", or empty for RtAudio's default (JORV_AUDIO_API if set).
    explicit RtAudioWaveDevice(std::string apiName = {});
    ~RtAudioWaveDevice() override;

    // The choice's system unless JORV_AUDIO_API (or the name given at construction) set one.
    void choose(const AudioDeviceChoice& choice) override;
    bool openOutput() override;
    bool openInput() override { return hasInput_; }
    bool close() override;
    bool play(const Frame* buffer, uint32_t frames) override;
    bool playAndRecord(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) override;
    void reset() override;
    uint32_t playedFrames() const override { return played_.load(); }
    uint32_t capturedFrames() const override { return recorded_.load(std::memory_order_acquire); }
    bool takeBufferDone() override { return bufferDone_.exchange(false); }
    DeviceMonitor& monitor() override { return monitor_; }
    bool wireLoopback(bool connect) override;

private:
    // Runs on the audio thread: RtAudio's callback, handing the period to process().
    static int Callback(void* output, void* input, unsigned frames, double streamTime, unsigned status, void* self);
    // Runs on the audio thread: plays and captures one period.
    void process(int16_t* output, const int16_t* input, unsigned frames, bool dropout);

    enum Mode : int { Idle = 0, Playing = 1, Recording = 2 };
    bool start(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames, Mode mode);

    std::string apiName_;
    bool apiFixed_ = false;  // named at construction or by JORV_AUDIO_API
    std::string outputName_;
    std::string inputName_;
    std::unique_ptr<RtAudio> audio_;
    bool hasInput_ = false;

    std::atomic<int> mode_{Idle};
    std::atomic<bool> inCallback_{false};
    std::atomic<const Frame*> output_{nullptr};
    std::atomic<uint32_t> outputFrames_{0};
    std::atomic<Frame*> input_{nullptr};
    std::atomic<uint32_t> inputFrames_{0};
    std::atomic<uint32_t> played_{0};
    std::atomic<uint32_t> recorded_{0};
    std::atomic<bool> bufferDone_{false};
    DeviceMonitor monitor_;
};

}  // namespace jorv
