#include "instruments/EspeakSpeechEngine.h"

#include <espeak-ng/espeak_ng.h>

#include <atomic>

#include "core/SilentUiServices.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "instruments/DoubleSampleRate.h"

namespace jorv {

namespace {

std::atomic<bool> engineRunning{false};

// espeak-ng is set up once for the whole run and never shut down: its shutdown can wait
// forever on its own queue thread, and setting it up again is slow anyway. Its speech rate, or
// 0 when it cannot be used.
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

}  // namespace

std::unique_ptr<EspeakSpeechEngine> EspeakSpeechEngine::start() {
    if (engineRunning.exchange(true)) return nullptr;
    const int rate = InitializeEspeakOnce();
    // Jorv doubles 22050 Hz speech; an engine speaking at another rate is not used.
    if (rate != WaveFormat::sampleRate / 2) {
        engineRunning = false;
        return nullptr;
    }
    espeak_SetSynthCallback(reinterpret_cast<t_espeak_callback*>(&EspeakSpeechEngine::Collect));
    return std::unique_ptr<EspeakSpeechEngine>(new EspeakSpeechEngine(rate));
}

EspeakSpeechEngine::~EspeakSpeechEngine() { engineRunning = false; }

int EspeakSpeechEngine::Collect(short* samples, int count, void* events) {
    auto* event = static_cast<espeak_EVENT*>(events);
    auto* speech = event ? static_cast<std::vector<int16_t>*>(event->user_data) : nullptr;
    if (speech && samples && count > 0) speech->insert(speech->end(), samples, samples + count);
    return 0;
}

bool EspeakSpeechEngine::speakWordToFile(std::u16string_view word, const std::string& path) {
    speech_.clear();
    const std::string text = Utf16ToUtf8(word);
    if (!text.empty()) {
        const espeak_ng_STATUS status = espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                                             espeakCHARS_UTF8, nullptr, &speech_);
        // Synchronous output: the speech is all collected when this returns.
        if (status != ENS_OK) return false;
    }
    const std::vector<int16_t> doubled = DoubleSampleRate(speech_);
    std::vector<Frame> frames(doubled.size());
    for (std::size_t k = 0; k < doubled.size(); ++k) frames[k] = {doubled[k], doubled[k]};
    // The caller reports a word that failed; the save's own message would say it twice.
    SilentUiServices quiet;
    return SaveWave(0, static_cast<uint32_t>(frames.size()), path, frames.data(), quiet) == 0;
}

}  // namespace jorv
