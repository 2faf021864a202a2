#pragma once

#include <cstdint>

namespace jorv {

// Where the drum machine's MIDI messages go: a port, or the built-in synthesizer.
class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    // Song time 0 is now. Runs on the user-interface thread, before the song's first tick.
    virtual void startSong() {}
    // A short message (status in bits 0..7, data in 8..15 and 16..23) due at songMs.
    // A port sends it at once; the synthesizer places it at its song time.
    // Runs on the drum tick's thread: never blocks, never allocates.
    virtual void send(uint32_t message, uint32_t songMs) = 0;
    // How long the last message sent may take to be heard out, in milliseconds.
    virtual int ringOutMs() const { return 0; }
};

// An output that could not be opened: the drums stay silent and the song still runs.
class SilentMidiOutput final : public MidiOutput {
public:
    void send(uint32_t, uint32_t) override {}
};

}  // namespace jorv
