#pragma once

#include "app/Transport.h"

namespace jorv {

// The transport of the running program. Only the buffers exist so far; the wave devices, the
// drum player, the rip and the renderers take their places here as they are built.
class EngineTransport final : public Transport {
public:
    void stopWave(Project& project, uint32_t, uint32_t, bool) override { project.busy = false; }
    void stopDrumSequence() override {}
    void sendRipStop() override {}
    void finishSk1() override {}
    void finishTts() override {}
    void openDrumOutput(int) override {}
    void closeDrumOutput() override {}
    void closeWaveDevices(Project& project) override;
};

}  // namespace jorv
