#pragma once

#include <cstdint>
#include <string>

#include "core/WaveFormat.h"
#include "devices/DeviceMonitor.h"

namespace jorv {

// Which audio system and devices to use: empty fields leave the choice to the system.
struct AudioDeviceChoice {
    std::string api;  // "jack", "pulse", "alsa"
    std::string output;
    std::string input;
};

// One wave output and one wave input, each driven with a single buffer given once per take.
// Play and capture run on one clock, so frame k of a capture was taken while output frame k
// was sent. The buffers must stay where they are until reset() or close() returns.
class WaveDevice {
public:
    virtual ~WaveDevice() = default;

    // Takes effect at the next openOutput().
    virtual void choose(const AudioDeviceChoice&) {}
    virtual bool openOutput() = 0;
    virtual bool openInput() = 0;
    // Closes both; false when closing failed.
    virtual bool close() = 0;

    // Plays frames of buffer from its first frame on.
    virtual bool play(const Frame* buffer, uint32_t frames) = 0;
    // Plays as play() does and captures into `into` from its frame 0, at most intoFrames frames.
    virtual bool playAndRecord(const Frame* buffer, uint32_t frames, Frame* into, uint32_t intoFrames) = 0;
    // Stops playing and capturing; when it returns the device no longer touches either buffer.
    virtual void reset() = 0;

    // Frames played since the buffer was given.
    virtual uint32_t playedFrames() const = 0;
    // Frames captured since the take began; the device no longer writes those. Safe to call from
    // any thread: what it counts has been written before it is counted.
    virtual uint32_t capturedFrames() const = 0;
    // True once after the whole buffer has been played (or a play was reset).
    virtual bool takeBufferDone() = 0;
    // Levels and dropouts of what runs; the dropouts are those since the last play or take began.
    virtual DeviceMonitor& monitor() = 0;
    // On JACK, wires the open devices' outputs into their inputs (or removes those wires), for
    // measuring the round trip; false where that cannot be done.
    virtual bool wireLoopback(bool) { return false; }
};

}  // namespace jorv
