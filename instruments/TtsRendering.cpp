#include "instruments/TtsRendering.h"

#include "core/Mixing.h"
#include "core/WaveFile.h"
#include "instruments/CapturedNotes.h"
#include "instruments/NoteRenderer.h"

namespace jorv {

namespace {

int CountNotes(std::span<const int32_t> entries) {
    int notes = 0;
    for (std::size_t k = 0; k + 1 < entries.size(); k += 2) notes += ReadCapturedNote(entries[k], entries[k + 1]) ? 1 : 0;
    return notes;
}

// Reads the track back into the buffer after a failed conversion.
void RestoreTrack(Project& project, const std::string& trackFile, UiServices& ui) {
    if (LoadWave(trackFile, project.trackBuffer.get(), project.framesPerTrack, ui) >= FirstWaveFailure)
        ClearFrames(project.trackBuffer.get(), 0, project.framesPerTrack);
    project.trackDirty = false;
}

}  // namespace

std::optional<std::u16string_view> NextLyricsWord(std::u16string_view lyrics, std::size_t& scan) {
    lyrics = lyrics.substr(0, std::min(lyrics.size(), MaxLyrics));
    if (scan >= lyrics.size()) return std::nullopt;
    const std::size_t space = lyrics.find(u' ', scan);
    const std::size_t end = space == std::u16string_view::npos ? lyrics.size() : space;
    const std::u16string_view word = lyrics.substr(scan, end - scan);
    scan = end == lyrics.size() ? end : end + 1;
    return word;
}

TtsOutcome RenderTts(Project& project, std::span<const int32_t> entries, std::u16string_view lyrics,
                     SpeechEngine& engine, const std::string& trackFile, UiServices& ui) {
    TtsOutcome outcome;
    if (!project.buffersReady()) return outcome;
    ClearFrames(project.trackBuffer.get(), 0, project.framesPerTrack);
    const Canvas canvas{project.trackBuffer.get(), project.framesPerTrack};
    const int total = CountNotes(entries);
    std::size_t scan = 0;
    bool spoken = true;
    for (std::size_t k = 0; spoken && k + 1 < entries.size(); k += 2) {
        const auto note = ReadCapturedNote(entries[k], entries[k + 1]);
        if (!note) continue;
        const auto word = NextLyricsWord(lyrics, scan);
        if (!word) break;
        ui.showProgress("Creating TTS effect", outcome.notes, total);
        spoken = engine.speakWordToFile(*word, project.clipperPath);
        if (!spoken) break;
        const ClipSamples clip(project.scratchBuffer.get(), LoadClipSample(project, ui));
        RenderNote(clip, canvas, note->startFrame, PitchRatio(note->note), note->velocity / 128.0f);
        ++outcome.notes;
    }
    ui.endProgress();
    if (!spoken) {
        RestoreTrack(project, trackFile, ui);
        return outcome;
    }
    SpliceRendering(project, trackFile, ui);
    outcome.converted = true;
    return outcome;
}

}  // namespace jorv
