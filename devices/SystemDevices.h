#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devices/MediaPlayer.h"
#include "devices/MidiInput.h"
#include "devices/MidiOutput.h"
#include "devices/WaveDevice.h"

namespace jorv {

// The system's devices, made by the back-end modules, which are loaded on the first call (see
// core/LoadedModule.h). audioApi is "jack", "pulse", "alsa", or empty for the default (or
// JORV_AUDIO_API when set). When a module cannot be loaded the devices behave as absent ones:
// a wave device and a MIDI input that never open, no port, no player, empty lists.

std::unique_ptr<WaveDevice> MakeSystemWaveDevice(const std::string& audioApi = {});
// Wave devices that never open, for work that needs no audio.
std::unique_ptr<WaveDevice> MakeAbsentWaveDevice();
// A MIDI output port whose name contains nameContains; null when there is none.
std::unique_ptr<MidiOutput> OpenMidiPortOutput(const std::string& nameContains, const std::string& audioApi);
// The built-in synthesizer heard through the audio system; null when it cannot be started.
std::unique_ptr<MidiOutput> OpenSynthOutput(const std::string& audioApi);
// The MIDI input port of that index, or of the first whose name contains nameContains.
std::unique_ptr<MidiInput> MakeMidiInputPort(int portIndex, const std::string& audioApi);
std::unique_ptr<MidiInput> MakeMidiInputPort(const std::string& nameContains, const std::string& audioApi);

// The audio systems among "jack", "pulse" and "alsa" that can be used.
std::vector<std::string> ListAudioSystems();
// The names of the system's devices that can play (or record) two channels.
std::vector<std::string> ListAudioDevices(const std::string& audioApi, bool input);
std::vector<std::string> ListMidiInputs(const std::string& audioApi);
std::vector<std::string> ListMidiOutputs(const std::string& audioApi);

// The media player; null when it cannot be started.
std::unique_ptr<MediaPlayer> StartMediaPlayer(const std::string& audioApi);

}  // namespace jorv
