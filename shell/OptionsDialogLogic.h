#pragma once

#include <string>
#include <vector>

#include "shell/AppContext.h"

// The Options dialog without the dialog: what it shows when it opens and what its OK does.
namespace jorv {

namespace options {
constexpr int AudioMixer = 1117, MidiSequencer = 1118, ChooseAudioMixer = 1120, ChooseMidiSequencer = 1121;
constexpr int MidiBuffer = 1122, MidiInput = 1123, RecordLatency = 1182, Ok = 1, Cancel = 2;
// Beyond the classic controls: the audio system and devices, and the drums' MIDI output.
constexpr int AudioSystem = 1190, AudioOutput = 1191, AudioInput = 1192, MidiOutput = 1193;
// The disk the undo history of a project may take, in megabytes.
constexpr int UndoLimit = 1194;
// The lossy encoders' quality for Save Wave, 0..10.
constexpr int ExportQuality = 1195;
// Measures the round trip and fills Record Latency with it.
constexpr int MeasureLatency = 1196;
}  // namespace options

// "65536" .. "262144": the MIDI buffer sizes in list order.
std::vector<std::string> MidiBufferTexts();

// What the system offers, asked when the dialog opens (and the device lists again when another
// audio system is picked).
struct OptionsDeviceLists {
    std::vector<std::string> midiInputs = {};
    std::vector<std::string> midiOutputs = {};  // ports, after the built-in synthesizer
    std::vector<std::string> audioSystems = {};
    std::vector<std::string> audioOutputs = {};  // of the chosen system
    std::vector<std::string> audioInputs = {};
};
OptionsDeviceLists GatherDeviceLists(const std::string& audioApi);
void GatherAudioDevices(OptionsDeviceLists& lists, const std::string& audioApi);

// The dialog's fields. A list index of -1 selects nothing; an empty name means the default
// (the first audio system that works, the system's default device, the built-in synthesizer).
struct OptionsDialogState {
    std::string audioMixer;
    std::string midiSequencer;
    std::string latencyText;
    std::string undoLimitText;
    std::string exportQualityText;
    int bufferChoice = -1;
    int midiInput = -1;
    std::string midiOutput;
    std::string audioApi;
    std::string audioOutput;
    std::string audioInput;
    bool audioApiFixed = false;  // JORV_AUDIO_API decides
    OptionsDeviceLists lists;
};

OptionsDialogState OpenOptionsDialog(const Settings& settings, OptionsDeviceLists lists);

// OK: the settings take the fields, the file is written ("Options Saved", or a message when it
// could not be), the drums' output reopens at the new capacity and the wave devices on the
// chosen system and devices.
void AcceptOptionsDialog(AppContext& context, const OptionsDialogState& state);

inline constexpr std::string_view MeasureCaption = "Measure Latency";
inline constexpr std::string_view ConnectLoopQuestion =
    "Connect an output of your audio interface to one of its inputs (with a cable, or the "
    "interface's own loopback), and turn the speakers down: a short burst of noise will play. "
    "Measure now?";
inline constexpr std::string_view WireJackQuestion =
    "Jorv can connect its own outputs to its inputs on JACK for the measurement, and remove the "
    "connections after. Do that?";

// Measure: asks how the loop is made (on JACK Jorv may wire it), measures the round trip and
// puts it in the Record Latency field, or says why it could not.
void MeasureRecordLatency(AppContext& context, OptionsDialogState& state);

}  // namespace jorv
