#pragma once

#include "app/shell/Transport.h"
#include "devices/WaveDevice.h"
#include "devices/WaveEngine.h"

namespace jorv {

// The transport of the running program on a wave device. The drum player, the rip and the
// renderers take their places here as they are built.
class EngineTransport final : public Transport {
public:
    explicit EngineTransport(WaveDevice& device) : engine_(device) {}

    bool openWaveDevices(AppContext& context, int memPerTrackMB) override;
    void closeWaveDevices(AppContext& context) override;
    void startPlayback(AppContext& context, uint32_t start, uint32_t end) override;
    void startRecording(AppContext& context, uint32_t start, uint32_t end, bool merge) override;
    void stopWave(AppContext& context, uint32_t start, uint32_t end, bool merge) override;
    uint32_t playPosition() const override { return GetPlayPosition(engine_); }
    bool takeBufferDone() override { return engine_.device.takeBufferDone(); }

    void stopDrumSequence() override {}
    void sendRipStop() override {}
    void finishSk1(AppContext&) override {}
    void finishTts(AppContext&) override {}
    void openDrumOutput(int) override {}
    void closeDrumOutput() override {}

    const WaveEngine& engine() const { return engine_; }

private:
    WaveEngine engine_;
};

}  // namespace jorv
