#pragma once

#include <memory>
#include <utility>

#include "devices/WaveDevice.h"

namespace jorv::cli {

// A script that only edits must not fail on a machine without audio: the real devices open
// when the session first plays or records, and a device that will not open then is reported
// as a refused start.
class DevicesOnFirstUse final : public WaveDevice {
public:
    explicit DevicesOnFirstUse(std::unique_ptr<WaveDevice> device) : device_(std::move(device)) {}

    void choose(const AudioDeviceChoice& choice) override { device_->choose(choice); }
    bool openOutput() override {
        wanted_ = true;
        return true;
    }
    bool openInput() override { return true; }
    bool close() override {
        wanted_ = false;
        return !std::exchange(open_, false) || device_->close();
    }
    bool play(const Frame* buffer, uint32_t frames) override { return ready() && device_->play(buffer, frames); }
    bool playAndRecord(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) override {
        return ready() && device_->playAndRecord(buffer, frames, into, intoFrames);
    }
    void reset() override {
        if (open_) device_->reset();
    }
    uint32_t playedFrames() const override { return open_ ? device_->playedFrames() : 0; }
    uint32_t capturedFrames() const override { return open_ ? device_->capturedFrames() : 0; }
    bool takeBufferDone() override { return open_ && device_->takeBufferDone(); }
    DeviceMonitor& monitor() override { return device_->monitor(); }

private:
    bool ready() {
        if (!open_ && wanted_) open_ = device_->openOutput() && device_->openInput();
        return open_;
    }

    std::unique_ptr<WaveDevice> device_;
    bool wanted_ = false;
    bool open_ = false;
};

}  // namespace jorv::cli
