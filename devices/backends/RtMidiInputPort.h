#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "devices/MidiInput.h"

class RtMidiIn;

namespace jorv {

// The names of the MIDI input ports there are, in RtMidi's order (JACK MIDI beside JACK audio,
// else the ALSA sequencer).
std::vector<std::string> MidiInputPortNames(const std::string& audioApi);

// A MIDI input port through RtMidi, chosen by its index or by a part of its name. Where the
// system has no MIDI input port at all, an index opens a port of Jorv's own ("jorv-midi-in:capture" on
// JACK) for another program to connect to. Time stamps are taken from a steady clock when each
// message arrives.
//
// Thread contract: RtMidi calls deliver() on its own thread; it reads receiver_ and started_,
// which open(), start() and stop() publish with atomics; stop() waits until no delivery runs.
class RtMidiInputPort final : public MidiInput {
public:
    RtMidiInputPort(int portIndex, std::string audioApi);
    RtMidiInputPort(std::string nameContains, std::string audioApi);
    ~RtMidiInputPort() override;

    bool open(MidiReceiver& receiver) override;
    void start() override;
    void stop() override;
    void close() override;

private:
    // Runs on RtMidi's thread.
    static void Deliver(double, std::vector<unsigned char>* message, void* self);
    int findPort() const;

    int portIndex_ = -1;
    std::string nameContains_;
    std::string audioApi_;
    std::unique_ptr<RtMidiIn> in_;
    std::atomic<MidiReceiver*> receiver_{nullptr};
    std::atomic<bool> started_{false};
    std::atomic<bool> delivering_{false};
    std::atomic<std::chrono::steady_clock::rep> startTicks_{0};
};

}  // namespace jorv
