#pragma once

#include <string>
#include <string_view>

namespace jorv {

// What TTS mode needs of a speech engine: one word spoken, synchronously, into a 44100 Hz,
// 16-bit stereo PCM wave file.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // False when the word could not be spoken or the file not written. An empty word gives a
    // file without frames.
    virtual bool speakWordToFile(std::u16string_view word, const std::string& path) = 0;
};

}  // namespace jorv
