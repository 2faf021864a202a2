#pragma once

#include <cstdint>

#include "core/Project.h"

namespace jorv {

// What the command spine asks of the wave devices, the drum player, the rip and the MIDI
// renderers when it stops everything, starts up and shuts down. Each subsystem supplies its
// part; until it exists its part does nothing.
class Transport {
public:
    virtual ~Transport() = default;

    // Stops both wave devices and places a recorded take; clears the project's busy flag.
    virtual void stopWave(Project& project, uint32_t start, uint32_t end, bool merge) = 0;
    virtual void stopDrumSequence() = 0;
    virtual void sendRipStop() = 0;
    virtual void finishSk1() = 0;
    virtual void finishTts() = 0;

    virtual void openDrumOutput(int eventEntries) = 0;
    virtual void closeDrumOutput() = 0;
    // Stops first if busy, then releases the three buffers.
    virtual void closeWaveDevices(Project& project) = 0;
};

}  // namespace jorv
