#pragma once

#include <memory>
#include <string>

#include "devices/MidiOutput.h"
#include "devices/backends/ScheduledSynth.h"

class RtAudio;

namespace jorv {

// The built-in synthesizer heard through the audio system Jorv uses (on JACK as the client
// "jorv-synth", connected to the system's playback ports).
class SynthMidiOutput final : public MidiOutput {
public:
    // Null when the synthesizer or its audio stream cannot be started.
    static std::unique_ptr<SynthMidiOutput> open(const std::string& audioApi);
    ~SynthMidiOutput() override;

    void startSong() override { synth_->startSong(); }
    // Runs on the drum tick's thread.
    void send(uint32_t message, uint32_t songMs) override { synth_->send(message, songMs); }
    // The latency, then a second for a cymbal to fade.
    int ringOutMs() const override { return 1100; }

private:
    SynthMidiOutput(std::unique_ptr<ScheduledSynth> synth, std::unique_ptr<RtAudio> audio);
    // Runs on the audio thread.
    static int Callback(void* output, void* input, unsigned frames, double streamTime, unsigned status, void* self);

    std::unique_ptr<ScheduledSynth> synth_;
    std::unique_ptr<RtAudio> audio_;
};

}  // namespace jorv
