#pragma once

#include <cstdint>

namespace jorv {

// What a MIDI input delivers to.
class MidiReceiver {
public:
    virtual ~MidiReceiver() = default;
    // A short message (status in bits 0..7, data in 8..15 and 16..23) that arrived timeMs
    // milliseconds after the input started. Runs on the MIDI input's thread.
    virtual void receive(uint32_t message, uint32_t timeMs) = 0;
};

// A MIDI input port, or a test's stand-in for one.
class MidiInput {
public:
    virtual ~MidiInput() = default;
    // Connects to the port; false when it cannot be opened. Nothing is delivered before start().
    virtual bool open(MidiReceiver& receiver) = 0;
    // Time 0 is now; messages are delivered from here on.
    virtual void start() = 0;
    // No message is delivered once this returns.
    virtual void stop() = 0;
    virtual void close() = 0;
};

}  // namespace jorv
