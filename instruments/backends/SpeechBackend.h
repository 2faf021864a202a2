#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jorv {

// What the module jorv-speech offers: espeak-ng with its English voice.
struct SpeechBackend {
    // Sets espeak-ng up (once per run) and gives its speech rate, or 0 when it cannot be used.
    int (*start)();
    // Speaks UTF-8 text into mono samples at that rate; false when synthesis failed.
    bool (*speak)(const std::string& text, std::vector<int16_t>& speech);
};

}  // namespace jorv

extern "C" const jorv::SpeechBackend* jorv_speech_backend();
