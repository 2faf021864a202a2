#pragma once

#include <cstdint>

namespace jorv {

struct AppContext;

// What the command spine asks of the wave devices, the drum player, the rip and the MIDI
// renderers. Each subsystem supplies its part; until it exists its part does nothing.
class Transport {
public:
    virtual ~Transport() = default;

    // Creates the three buffers at the project's size and opens the devices; false when the
    // buffers could not be created.
    virtual bool openWaveDevices(AppContext& context, int memPerTrackMB) = 0;
    // Stops first if busy, then releases the three buffers.
    virtual void closeWaveDevices(AppContext& context) = 0;
    virtual void startPlayback(AppContext& context, uint32_t start, uint32_t end) = 0;
    virtual void startRecording(AppContext& context, uint32_t start, uint32_t end, bool merge) = 0;
    // Stops both wave devices and places a recorded take; clears the project's busy flag.
    virtual void stopWave(AppContext& context, uint32_t start, uint32_t end, bool merge) = 0;
    // Frames played since the output started, and whether the output reported its buffer done.
    virtual uint32_t playPosition() const = 0;
    virtual bool takeBufferDone() = 0;

    virtual void stopDrumSequence() = 0;
    virtual void sendRipStop() = 0;
    virtual void finishSk1(AppContext& context) = 0;
    virtual void finishTts(AppContext& context) = 0;
    virtual void openDrumOutput(int eventEntries) = 0;
    virtual void closeDrumOutput() = 0;
};

}  // namespace jorv
