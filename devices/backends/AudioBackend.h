#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devices/MidiInput.h"
#include "devices/MidiOutput.h"
#include "devices/WaveDevice.h"

namespace jorv {

// What the module jorv-audio offers: the wave devices on RtAudio, the MIDI ports on RtMidi and
// the built-in synthesizer on FluidSynth. audioApi is "jack", "pulse", "alsa" or empty.
struct AudioBackend {
    std::unique_ptr<WaveDevice> (*waveDevice)(const std::string& audioApi);
    // Null when there is no such port or it cannot be opened.
    std::unique_ptr<MidiOutput> (*midiPortOutput)(const std::string& nameContains, const std::string& audioApi);
    // Null when the synthesizer or its audio stream cannot be started.
    std::unique_ptr<MidiOutput> (*synthOutput)(const std::string& audioApi);
    std::unique_ptr<MidiInput> (*midiInputAt)(int portIndex, const std::string& audioApi);
    std::unique_ptr<MidiInput> (*midiInputNamed)(const std::string& nameContains, const std::string& audioApi);
    std::vector<std::string> (*audioSystems)();
    std::vector<std::string> (*audioDeviceNames)(const std::string& audioApi, bool input);
    std::vector<std::string> (*midiInputNames)(const std::string& audioApi);
    std::vector<std::string> (*midiOutputNames)(const std::string& audioApi);
};

}  // namespace jorv

extern "C" const jorv::AudioBackend* jorv_audio_backend();
