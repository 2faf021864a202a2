#include "shell/Settings.h"

#include "shell/IniFile.h"
#include "shell/RecentProjects.h"

#include <algorithm>

namespace jorv {

void ReadSettings(Settings& settings, const std::string& iniPath) {
    settings.audioMixerPath = ReadIniString(iniPath, SettingsSection, "AudioMixer", "SNDVOL32.EXE");
    settings.midiSequencerPath = ReadIniString(iniPath, SettingsSection, "MIDISequencer", "");
    settings.midiInDevice = ReadIniInt(iniPath, SettingsSection, "MidiInDev", 0);
    settings.midiBufferChoice = ReadIniInt(iniPath, SettingsSection, "MidiBufSel", 0);
    settings.recordLatency = ReadIniInt(iniPath, SettingsSection, "Latency", 0);
    settings.midiOutDevice = ReadIniString(iniPath, SettingsSection, "MidiOutDev", "");
    settings.audioApi = ReadIniString(iniPath, SettingsSection, "AudioApi", "");
    settings.audioOutput = ReadIniString(iniPath, SettingsSection, "AudioOutDev", "");
    settings.audioInput = ReadIniString(iniPath, SettingsSection, "AudioInDev", "");
    settings.undoLimitMB = std::max(1, ReadIniInt(iniPath, SettingsSection, "UndoLimitMB", 1024));
    settings.exportQuality =
        std::clamp(ReadIniInt(iniPath, SettingsSection, "ExportQuality", DefaultExportQuality), 0, MaxExportQuality);
    settings.recentProjects = ReadRecentProjects(iniPath);
}

bool WriteSettings(const Settings& settings, const std::string& iniPath) {
    return WriteIniValues(iniPath, SettingsSection,
                          {{"AudioMixer", settings.audioMixerPath},
                           {"MIDISequencer", settings.midiSequencerPath},
                           {"MidiInDev", std::to_string(settings.midiInDevice)},
                           {"MidiBufSel", std::to_string(settings.midiBufferChoice)},
                           {"Latency", std::to_string(settings.recordLatency)},
                           {"MidiOutDev", settings.midiOutDevice},
                           {"AudioApi", settings.audioApi},
                           {"AudioOutDev", settings.audioOutput},
                           {"AudioInDev", settings.audioInput},
                           {"UndoLimitMB", std::to_string(settings.undoLimitMB)},
                           {"ExportQuality", std::to_string(settings.exportQuality)}});
}

}  // namespace jorv
