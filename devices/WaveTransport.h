#pragma once

#include <cstdint>

#include "core/Project.h"
#include "core/UiServices.h"
#include "devices/LatencyMeasurement.h"
#include "devices/WaveDevice.h"

namespace jorv {

// A take as Record starts it: the selection it fills, whether it is added to the track, and
// the latency (in 16-bit values) by which it is moved earlier when it is placed.
struct Take {
    uint32_t start = 0;
    uint32_t end = 0;
    bool merge = false;
    int latency = 0;
};

// What Play or Record did: the devices run, the device refused (its message has been shown), or
// nothing was tried because the buffers do not exist.
enum class TransportStart { Started, DeviceRefused, NoBuffers };

// The shell's part of the wave devices: open and close them with the project's buffers, play,
// record, stop, and tell how far the output has got. The wave engine implements it.
class WaveTransport {
public:
    virtual ~WaveTransport() = default;

    // Creates the three buffers at memPerTrackMB and opens the devices; false only when the
    // buffers could not be created.
    virtual bool openDevices(Project& project, int memPerTrackMB, UiServices& ui) = 0;
    // Stops first if busy (a take is discarded), then releases the three buffers.
    virtual void closeDevices(Project& project, UiServices& ui) = 0;
    // Another audio system or device: open devices reopen on it at once (the buffers stay).
    // Only called while nothing plays.
    virtual void useDevices(const AudioDeviceChoice& choice, UiServices& ui) = 0;
    virtual TransportStart startPlayback(Project& project, uint32_t start, uint32_t end, UiServices& ui) = 0;
    // Writes the current track's file first, then plays the backing mix and records the take.
    virtual TransportStart startRecording(Project& project, const Take& take, UiServices& ui) = 0;
    // Plays frames 0..frames-1 of scratchBuffer as they are (an audition); false when the output
    // refused (shown).
    virtual bool playScratch(Project& project, uint32_t frames, UiServices& ui) = 0;
    // Stops both devices; after a recording the take is moved earlier by its latency and spliced
    // in. Clears the busy flag.
    virtual void stop(Project& project, UiServices& ui) = 0;

    // Frames played since the output started.
    virtual uint32_t playPosition() const = 0;
    // True once after the output reported its whole buffer played.
    virtual bool takeBufferDone() = 0;
    // The levels and the dropouts of the running (or last) play or take.
    virtual DeviceMonitor& monitor() = 0;
    // Measures the round trip from the outputs to the inputs (see LatencyMeasurement.h) while
    // nothing plays; the devices are open afterwards as they were before.
    virtual LatencyMeasurement measureLatency(bool wire, UiServices& ui) = 0;
};

}  // namespace jorv
