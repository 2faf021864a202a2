#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Project.h"
#include "core/UiServices.h"
#include "instruments/SpeechEngine.h"

// TTS mode's conversion: each captured note sings the next word of the lyrics.
namespace jorv {

inline constexpr std::u16string_view InitialLyrics =
    u"this is the way we wash our dog wash our dog wash our dog bark bark woof";
inline constexpr std::size_t MaxLyrics = 2047;

// The next word from scan on: up to the next space, or the rest of the text when no space
// follows (so the last word is sung too); empty between two spaces. Nothing once the text is
// used up. scan moves past the word and its space.
std::optional<std::u16string_view> NextLyricsWord(std::u16string_view lyrics, std::size_t& scan);

struct TtsOutcome {
    bool converted = false;
    int notes = 0;  // notes that took a word
};

// trackBuffer cleared as the canvas; for each captured note, the next word spoken into the
// clipboard file and rendered from it there, with progress shown; then the splice into the
// track read from trackFile. Once a word fails no more are spoken, and the track is read back
// from trackFile, so nothing half-rendered stands in the buffer.
TtsOutcome RenderTts(Project& project, std::span<const int32_t> entries, std::u16string_view lyrics,
                     SpeechEngine& engine, const std::string& trackFile, UiServices& ui);

}  // namespace jorv
