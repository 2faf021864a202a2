// Any bytes as jorv.ini: each setting read is the default or a value written in the file (a
// key the file never names gives the default), numbers are never negative, and the file is
// never changed.
#include <algorithm>
#include <cctype>

#include "shell/Settings.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("jorv.ini", data, size);
    Settings settings;
    ReadSettings(settings, path);
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    FUZZ_CHECK(settings.midiInDevice >= 0 && settings.midiBufferChoice >= 0 && settings.recordLatency >= 0);
    FUZZ_CHECK(settings.midiBufferEntries == 65536);

    const std::string text(data, data + size);
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    const auto named = [&](const char* key) { return lower.find(key) != std::string::npos; };
    const auto written = [&](const std::string& value) { return text.find(value) != std::string::npos; };
    const auto textSetting = [&](const char* key, const std::string& value, const std::string& fallback) {
        return value == fallback || (named(key) && written(value));
    };
    // A number is 0, the largest int (a longer number is cut there), or digits in the file.
    const auto number = [&](const char* key, int value) {
        return value == 0 || (named(key) && (value == 0x7FFFFFFF || written(std::to_string(value))));
    };
    FUZZ_CHECK(textSetting("audiomixer", settings.audioMixerPath, "SNDVOL32.EXE"));
    FUZZ_CHECK(textSetting("midisequencer", settings.midiSequencerPath, ""));
    FUZZ_CHECK(textSetting("midioutdev", settings.midiOutDevice, ""));
    FUZZ_CHECK(textSetting("audioapi", settings.audioApi, ""));
    FUZZ_CHECK(textSetting("audiooutdev", settings.audioOutput, ""));
    FUZZ_CHECK(textSetting("audioindev", settings.audioInput, ""));
    FUZZ_CHECK(number("midiindev", settings.midiInDevice));
    FUZZ_CHECK(number("midibufsel", settings.midiBufferChoice));
    FUZZ_CHECK(number("latency", settings.recordLatency));
    // A reader that always gave the defaults would pass the checks above: a settings file that
    // starts like the sample jorv.ini must give that file's values.
    if (text.rfind("[Jorv]\r\nAudioMixer=pavucontrol\r\nMIDISequencer=\"/usr/bin/seq\"\r\nMidiInDev=1\r\n", 0) == 0)
        FUZZ_CHECK(settings.audioMixerPath == "pavucontrol" && settings.midiSequencerPath == "/usr/bin/seq" &&
                   settings.midiInDevice == 1);
    return 0;
}
