#pragma once

#include <memory>
#include <string_view>

#include "shell/AppContext.h"

// The two modes that turn a MIDI performance into audio: each is armed by its command, captures
// the MIDI input while the selection plays, and finishes at the next stop.
namespace jorv {

inline constexpr std::string_view Sk1ExplainedQuestion =
    "SK1 mode will record MIDI data then substitute the notes played with the contents of the clipboard as a "
    "digitized middle C.  Continue?";
inline constexpr std::string_view Sk1ConvertQuestion = "Do you want to convert the MIDI to WAV?";
inline constexpr std::string_view TtsConvertQuestion = "Do you want to convert the MIDI to Speech?";

// The MIDI input that the Midi Input setting names.
std::unique_ptr<MidiInput> OpenSettingsMidiInput(const Settings& settings);

// SK1 Mode: asks, arms, and captures while the selection plays.
void StartSk1Mode(AppContext& context);

// The lyrics dialog's OK: the lyrics (at most 2047 characters) are kept, TTS mode is armed and
// the capture starts. Its Cancel disarms.
void AcceptLyrics(AppContext& context, std::u16string_view lyrics);
void CancelLyrics(AppContext& context);

// With a project loaded and nothing running: the capture opens on the chosen input, the
// selection plays and the capture starts ("Recording Midi"). Otherwise nothing starts, and the
// armed mode finishes at a later stop over an empty capture.
void StartMidiCapture(AppContext& context);

// Run by StopAll after the devices stopped: the armed mode's finish step (SK1 before TTS).
// False when no mode was armed.
bool FinishArmedMode(AppContext& context);

}  // namespace jorv
