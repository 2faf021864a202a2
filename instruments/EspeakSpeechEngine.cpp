#include "instruments/EspeakSpeechEngine.h"

#include <atomic>

#include "core/LoadedModule.h"
#include "core/SilentUiServices.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "dsp/HalfBandFilters.h"
#include "instruments/backends/SpeechBackend.h"

namespace jorv {

namespace {

std::atomic<bool> engineRunning{false};

}  // namespace

std::unique_ptr<EspeakSpeechEngine> EspeakSpeechEngine::start() {
    const SpeechBackend* backend = LoadModuleTable<SpeechBackend>("jorv-speech", "jorv_speech_backend");
    if (!backend || engineRunning.exchange(true)) return nullptr;
    // Jorv doubles 22050 Hz speech; an engine speaking at another rate is not used.
    if (backend->start() != WaveFormat::sampleRate / 2) {
        engineRunning = false;
        return nullptr;
    }
    return std::unique_ptr<EspeakSpeechEngine>(new EspeakSpeechEngine(*backend));
}

EspeakSpeechEngine::~EspeakSpeechEngine() { engineRunning = false; }

bool EspeakSpeechEngine::speakWordToFile(std::u16string_view word, const std::string& path) {
    std::vector<int16_t> speech;
    const std::string text = Utf16ToUtf8(word);
    if (!text.empty() && !backend_.speak(text, speech)) return false;
    const std::vector<int16_t> doubled = DoubleSampleRate(speech);
    std::vector<Frame> frames(doubled.size());
    for (std::size_t k = 0; k < doubled.size(); ++k) frames[k] = {doubled[k], doubled[k]};
    // The caller reports a word that failed; the save's own message would say it twice.
    SilentUiServices quiet;
    return SaveWave(0, static_cast<uint32_t>(frames.size()), path, frames.data(), quiet) == WaveSaved;
}

}  // namespace jorv
