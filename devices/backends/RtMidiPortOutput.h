#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devices/MidiOutput.h"

class RtMidiOut;

namespace jorv {

// The MIDI system that goes with an audio system: JACK MIDI beside JACK audio ("jack", also
// from JORV_AUDIO_API when audioApi is empty), else the ALSA sequencer.
bool MidiUsesJack(const std::string& audioApi);

// The names of the MIDI output ports there are, in RtMidi's order.
std::vector<std::string> MidiOutputPortNames(const std::string& audioApi);

// A MIDI output port of another program or device; messages go out as they are sent.
class RtMidiPortOutput final : public MidiOutput {
public:
    // Connects to the first port whose name contains nameContains; null when there is none or
    // it cannot be opened.
    static std::unique_ptr<RtMidiPortOutput> open(const std::string& nameContains, const std::string& audioApi);
    ~RtMidiPortOutput() override;

    // Runs on the drum tick's thread.
    void send(uint32_t message, uint32_t songMs) override;

private:
    explicit RtMidiPortOutput(std::unique_ptr<RtMidiOut> out);
    std::unique_ptr<RtMidiOut> out_;
};

}  // namespace jorv
