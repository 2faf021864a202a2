#include "devices/AudioApi.h"

#include <cstdlib>

namespace jorv {

std::string ChosenAudioApi(const std::string& given) {
    if (!given.empty()) return given;
    const char* fromEnvironment = std::getenv("JORV_AUDIO_API");
    return fromEnvironment ? fromEnvironment : "";
}

std::string WindowAudioApi(const std::string& setting) {
    const char* fromEnvironment = std::getenv("JORV_AUDIO_API");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : setting;
}

bool IsAudioApiName(const std::string& name) { return name == "jack" || name == "pulse" || name == "alsa"; }

}  // namespace jorv
