#pragma once

#include <string>

namespace jorv {

// The audio system asked for: the given name, else JORV_AUDIO_API, else empty (RtAudio's default).
std::string ChosenAudioApi(const std::string& given);

// The audio system the window uses: JORV_AUDIO_API when set, else the settings' choice.
std::string WindowAudioApi(const std::string& setting);

// Whether name is one of the audio systems a user may ask for: "jack", "pulse", "alsa".
bool IsAudioApiName(const std::string& name);

}  // namespace jorv
