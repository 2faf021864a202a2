#pragma once

#include <memory>
#include <vector>

#include "instruments/SpeechEngine.h"

namespace jorv {

// The speech engine on espeak-ng (English voice). Its 22050 Hz mono speech is brought to
// 44100 Hz stereo by Jorv's own band-limited resampling and written as SaveWave writes.
// espeak-ng keeps one global state, so only one engine exists at a time.
class EspeakSpeechEngine final : public SpeechEngine {
public:
    // Null when espeak-ng cannot be started (or another engine is running).
    static std::unique_ptr<EspeakSpeechEngine> start();
    ~EspeakSpeechEngine() override;

    bool speakWordToFile(std::u16string_view word, const std::string& path) override;

private:
    EspeakSpeechEngine(int sampleRate) : sampleRate_(sampleRate) {}
    // Runs inside espeak-ng's synthesis, on this thread.
    static int Collect(short* samples, int count, void* events);

    int sampleRate_;
    std::vector<int16_t> speech_;
};

}  // namespace jorv
