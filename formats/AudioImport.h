#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "formats/DecodedAudio.h"

// Bringing audio of any format into Jorv as a wave file of the tracks' format.
namespace jorv {

// The file chooser's filter for every file importing reads.
inline constexpr std::string_view AudioFilesLabel = "Audio files";
inline constexpr std::string_view AudioFilesPattern = "*.wav *.wave *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc *.w64 *.caf *.au";

inline constexpr std::string_view CopyFromFailedMessage = "Could not copy wave file.";
inline constexpr std::string_view NotAudioMessage = "Jorv cannot read this file as audio.";
inline constexpr std::string_view CodecsMissingMessage = "Jorv cannot read other audio formats: its codecs module is missing.";
inline constexpr std::string_view ImportCutShortMessage = "The end of the audio file could not be read; the audio before it was imported.";

struct ImportReport {
    enum class Outcome {
        Copied,     // a wave file the tracks' reader takes as it is, copied byte for byte
        Converted,  // decoded, converted and written
        Unreadable,  // the file cannot be opened
        NotAudio,
        Cancelled,
        NoCodecs,    // the codecs module cannot be loaded
        NotWritten,  // the wave file could not be written
    };
    Outcome outcome = Outcome::NotAudio;
    uint32_t frames = 0;
    AudioSource source;
    // Read up to a damaged or missing end: what was read is in the wave file.
    bool cutShort = false;

    bool succeeded() const { return outcome == Outcome::Copied || outcome == Outcome::Converted; }
};

// Writes the audio of source to wave (replaced whole, or not at all). progress may be empty.
ImportReport ImportAudioFile(const std::string& source, const std::string& wave, const ImportProgress& progress = {});

// The message for a failed import, or for one that read only part of its file; empty otherwise.
std::string_view ImportMessage(const ImportReport& report);

}  // namespace jorv
