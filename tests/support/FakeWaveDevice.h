#pragma once

#include <algorithm>
#include <atomic>
#include <vector>

#include "devices/WaveDevice.h"

namespace jorv::test {

// A wave device whose clock the test advances: advance(n) plays n frames and captures the
// next n frames of `signal` into the recording buffer.
class FakeWaveDevice final : public WaveDevice {
public:
    bool openOutput() override { return outputOpens; }
    bool openInput() override { return inputOpens; }
    bool close() override {
        ++closes;
        return closeSucceeds;
    }
    bool play(const Frame* buffer, uint32_t frames) override { return begin(buffer, frames, nullptr, 0); }
    bool playAndRecord(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) override {
        return begin(buffer, frames, into, intoFrames);
    }
    void reset() override {
        if (output) bufferDone = true;
        output = nullptr;
        input = nullptr;
        ++resets;
    }
    uint32_t playedFrames() const override { return played; }
    uint32_t capturedFrames() const override { return captured.load(std::memory_order_acquire); }
    bool takeBufferDone() override { return std::exchange(bufferDone, false); }
    DeviceMonitor& monitor() override { return watched; }

    // As the audio callback does: the frames played and heard go to the meters.
    void advance(uint32_t frames) {
        const std::size_t sentBefore = sent.size();
        for (uint32_t k = 0; k < frames && output && played < outputFrames; ++k, ++played) {
            sent.push_back(output[played]);
            if (input && played < inputFrames) input[played] = played < signal.size() ? signal[played] : Frame{0, 0};
        }
        const uint32_t count = uint32_t(sent.size() - sentBefore);
        watched.played.raise(sent.data() + sentBefore, count);
        if (input) {
            const uint32_t from = std::min(played - count, inputFrames), to = std::min(played, inputFrames);
            watched.recorded.raise(input + from, to - from);
        }
        if (input) captured.store(std::min(played, inputFrames), std::memory_order_release);
        if (output && played >= outputFrames) bufferDone = true;
    }

    bool outputOpens = true, inputOpens = true, closeSucceeds = true, startSucceeds = true;
    std::vector<Frame> signal;  // what the input hears, frame by frame from the start of a take
    std::vector<Frame> sent;    // everything played so far
    DeviceMonitor watched;
    int resets = 0, closes = 0;

private:
    bool begin(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) {
        if (!startSucceeds) return false;
        output = buffer;
        outputFrames = frames;
        input = into;
        inputFrames = intoFrames;
        played = 0;
        captured.store(0, std::memory_order_release);
        watched.dropouts.clear();
        sent.clear();
        return true;
    }
    const Frame* output = nullptr;
    Frame* input = nullptr;
    uint32_t outputFrames = 0, inputFrames = 0, played = 0;
    std::atomic<uint32_t> captured{0};
    bool bufferDone = false;
};

}  // namespace jorv::test
