#include "instruments/CapturedNotes.h"

#include <algorithm>

#include "core/Mixing.h"
#include "core/TrackSwitching.h"
#include "core/WaveFile.h"
#include "instruments/NoteRenderer.h"

namespace jorv {

std::optional<CapturedNote> ReadCapturedNote(int32_t timeStamp, int32_t message) {
    const auto packed = static_cast<uint32_t>(message);
    const int velocity = static_cast<int>(packed >> 16 & 0xFF);
    if ((packed & 0xF0) != 0x90 || velocity == 0) return std::nullopt;
    // 44.1 frames per millisecond, truncated: 441 / 10 in integers.
    const uint64_t startFrame = uint64_t{static_cast<uint32_t>(timeStamp)} * 441 / 10;
    return CapturedNote{startFrame, static_cast<int>(packed >> 8 & 0xFF), velocity};
}

uint32_t LoadClipSample(Project& project, UiServices& ui) {
    uint32_t frames = 0;
    if (LoadWave(project.clipperPath, project.scratchBuffer.get(), project.framesPerTrack, ui, &frames) != WaveLoaded)
        return 0;
    return std::min(frames, project.framesPerTrack - 1);
}

void SpliceRendering(Project& project, const std::string& trackFile, UiServices& ui) {
    // A track file that cannot be read leaves only the rendering, never the clip still in scratch.
    if (LoadWave(trackFile, project.scratchBuffer.get(), project.framesPerTrack, ui) >= FirstWaveFailure)
        ClearFrames(project.scratchBuffer.get(), 0, project.framesPerTrack);
    const FrameRange range = LimitToBuffer(project, project.selectionStart, project.selectionEnd);
    MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), 0, range.end - range.start, range.start,
            project.currentTrack, true);
    std::copy_n(project.scratchBuffer.get(), project.framesPerTrack, project.trackBuffer.get());
    project.trackDirty = true;
}

int RenderSk1(Project& project, std::span<const int32_t> entries, const std::string& trackFile, UiServices& ui) {
    if (!project.buffersReady()) return 0;
    ClearFrames(project.trackBuffer.get(), 0, project.framesPerTrack);
    const ClipSamples clip(project.scratchBuffer.get(), LoadClipSample(project, ui));
    const Canvas canvas{project.trackBuffer.get(), project.framesPerTrack};
    int notes = 0;
    for (std::size_t k = 0; k + 1 < entries.size(); k += 2) {
        const auto captured = ReadCapturedNote(entries[k], entries[k + 1]);
        if (!captured) continue;
        RenderNote(clip, canvas, captured->startFrame, PitchRatio(captured->note), captured->velocity / 128.0f);
        ++notes;
    }
    SpliceRendering(project, trackFile, ui);
    return notes;
}

}  // namespace jorv
