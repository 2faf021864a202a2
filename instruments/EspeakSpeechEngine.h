#pragma once

#include <memory>

#include "instruments/SpeechEngine.h"

namespace jorv {

// The speech engine on espeak-ng (English voice). Its 22050 Hz mono speech is brought to
// 44100 Hz stereo by Jorv's own band-limited resampling and written as SaveWave writes.
// espeak-ng keeps one global state, so only one engine exists at a time. espeak-ng itself is
// in the module jorv-speech, loaded when the first engine starts.
struct SpeechBackend;

class EspeakSpeechEngine final : public SpeechEngine {
public:
    // Null when espeak-ng cannot be started (or another engine is running).
    static std::unique_ptr<EspeakSpeechEngine> start();
    ~EspeakSpeechEngine() override;
    bool speakWordToFile(std::u16string_view word, const std::string& path) override;

private:
    explicit EspeakSpeechEngine(const SpeechBackend& backend) : backend_(backend) {}
    const SpeechBackend& backend_;
};

}  // namespace jorv
