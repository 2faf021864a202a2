#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/ExportType.h"

// The machine-wide settings kept in jorv.ini.
namespace jorv {

struct Settings {
    std::string audioMixerPath = "SNDVOL32.EXE";
    std::string midiSequencerPath;
    int midiInDevice = 0;
    int midiBufferChoice = 0;
    int recordLatency = 0;
    // Capacity of the MIDI capture and drum event lists; the saved choice applies only once
    // the Options dialog is accepted.
    int midiBufferEntries = 65536;
    // The drums' MIDI output: a port whose name contains this text; empty for the built-in
    // synthesizer.
    std::string midiOutDevice;
    // The audio system ("jack", "pulse", "alsa"; empty for the first that works) and the output
    // and input devices by name (empty for the system's default). JORV_AUDIO_API overrides the
    // system.
    std::string audioApi;
    std::string audioOutput;
    std::string audioInput;
    // The disk the undo history of one project may take, in megabytes; the oldest steps go first.
    int undoLimitMB = 1024;
    // The lossy encoders' quality for Save Wave, 0..10.
    int exportQuality = DefaultExportQuality;
    // The projects the File menu lists, the latest first (keys RecentProject1..8).
    std::vector<std::string> recentProjects;
};

inline constexpr const char* SettingsSection = "Jorv";
inline constexpr std::string_view SettingsUnreadableMessage =
    "The settings file jorv.ini could not be read; the default settings are used.";

// Missing file or keys give the defaults. midiBufferEntries is left as it is.
void ReadSettings(Settings& settings, const std::string& iniPath);

// Writes every setting but the recent projects (which change on their own), the file replaced whole; false when it could not be written.
bool WriteSettings(const Settings& settings, const std::string& iniPath);

inline constexpr std::string_view SettingsNotSavedMessage = "Could not save the settings file jorv.ini.";

}  // namespace jorv
