#include <espeak-ng/espeak_ng.h>

#include "instruments/backends/SpeechBackend.h"

namespace jorv {

namespace {

// espeak-ng is set up once for the whole run and never shut down: its shutdown can wait
// forever on its own queue thread, and setting it up again is slow anyway.
int InitializeEspeakOnce() {
    static const int rate = [] {
        espeak_ng_InitializePath(nullptr);
        const bool ready = espeak_ng_Initialize(nullptr) == ENS_OK &&
                           espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) == ENS_OK &&
                           espeak_ng_SetVoiceByName("en") == ENS_OK;
        return ready ? espeak_ng_GetSampleRate() : 0;
    }();
    return rate;
}

// Runs inside espeak-ng's synthesis, on the caller's thread.
int Collect(short* samples, int count, espeak_EVENT* event) {
    auto* speech = event ? static_cast<std::vector<int16_t>*>(event->user_data) : nullptr;
    if (speech && samples && count > 0) speech->insert(speech->end(), samples, samples + count);
    return 0;
}

int Start() {
    const int rate = InitializeEspeakOnce();
    if (rate) espeak_SetSynthCallback(&Collect);
    return rate;
}

bool Speak(const std::string& text, std::vector<int16_t>& speech) {
    // Synchronous output: the speech is all collected when this returns.
    return espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                                &speech) == ENS_OK;
}

}  // namespace

}  // namespace jorv

extern "C" __attribute__((visibility("default"))) const jorv::SpeechBackend* jorv_speech_backend() {
    static const jorv::SpeechBackend backend{.start = jorv::Start, .speak = jorv::Speak};
    return &backend;
}
