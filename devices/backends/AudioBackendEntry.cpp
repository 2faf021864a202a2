#include "devices/backends/AudioBackend.h"

#include "devices/backends/AudioDeviceList.h"
#include "devices/backends/RtAudioWaveDevice.h"
#include "devices/backends/RtMidiInputPort.h"
#include "devices/backends/RtMidiPortOutput.h"
#include "devices/backends/SynthMidiOutput.h"

extern "C" __attribute__((visibility("default"))) const jorv::AudioBackend* jorv_audio_backend() {
    using namespace jorv;
    static const AudioBackend backend{
        .waveDevice = [](const std::string& api) -> std::unique_ptr<WaveDevice> {
            return std::make_unique<RtAudioWaveDevice>(api);
        },
        .midiPortOutput = [](const std::string& name, const std::string& api) -> std::unique_ptr<MidiOutput> {
            return RtMidiPortOutput::open(name, api);
        },
        .synthOutput = [](const std::string& api) -> std::unique_ptr<MidiOutput> { return SynthMidiOutput::open(api); },
        .midiInputAt = [](int index, const std::string& api) -> std::unique_ptr<MidiInput> {
            return std::make_unique<RtMidiInputPort>(index, api);
        },
        .midiInputNamed = [](const std::string& name, const std::string& api) -> std::unique_ptr<MidiInput> {
            return std::make_unique<RtMidiInputPort>(name, api);
        },
        .audioSystems = AudioSystems,
        .audioDeviceNames = AudioDeviceNames,
        .midiInputNames = MidiInputPortNames,
        .midiOutputNames = MidiOutputPortNames,
    };
    return &backend;
}
