#include "app/shell/Settings.h"

#include "app/shell/IniFile.h"

namespace jorv {

void ReadSettings(Settings& settings, const std::string& iniPath) {
    settings.audioMixerPath = ReadIniString(iniPath, SettingsSection, "AudioMixer", "SNDVOL32.EXE");
    settings.midiSequencerPath = ReadIniString(iniPath, SettingsSection, "MIDISequencer", "");
    settings.midiInDevice = ReadIniInt(iniPath, SettingsSection, "MidiInDev", 0);
    settings.midiBufferChoice = ReadIniInt(iniPath, SettingsSection, "MidiBufSel", 0);
    settings.recordLatency = ReadIniInt(iniPath, SettingsSection, "Latency", 0);
    settings.midiOutDevice = ReadIniString(iniPath, SettingsSection, "MidiOutDev", "");
}

}  // namespace jorv
