#include "core/TrackEditing.h"

#include <algorithm>
#include <cstdint>

#include "core/Mixing.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

FrameRange Selection(const Project& project) {
    return LimitToBuffer(project, project.selectionStart, project.selectionEnd);
}

// The clip in scratchBuffer, silence after its end; the LoadWave code when it failed.
WaveLoadResult LoadClip(Project& project, UiServices& ui) {
    return LoadWave(project.clipperPath, project.scratchBuffer.get(), project.framesPerTrack, ui);
}

int16_t Clamp(int64_t value) { return static_cast<int16_t>(std::clamp<int64_t>(value, MixMin, MixMax)); }

// Loads the clip, then lets edit change the selection; nothing changes when the clip fails.
template <typename Edit>
EditResult EditWithClip(Project& project, UiServices& ui, Edit edit) {
    if (!project.buffersReady()) return {};
    if (const int result = LoadClip(project, ui); result >= FirstWaveFailure)
        return {EditResult::Outcome::ClipUnreadable, result};
    edit(Selection(project));
    project.trackDirty = true;
    return {};
}

// combine(clip frame k, track frame selectionStart + k) over the selection.
template <typename Combine>
EditResult CombineWithClip(Project& project, UiServices& ui, Combine combine) {
    return EditWithClip(project, ui, [&](FrameRange range) {
        const Frame* clip = project.scratchBuffer.get();
        Frame* track = project.trackBuffer.get() + range.start;
        for (uint32_t k = 0; k < range.end - range.start; ++k) combine(clip[k], track[k]);
    });
}

}  // namespace

int EditResult::code() const {
    constexpr int ClipboardNotWrittenCode = -1;
    switch (outcome) {
        case Outcome::Done: return WaveLoaded;
        case Outcome::ClipUnreadable: return clipLoadResult;
        case Outcome::ClipboardNotWritten: return ClipboardNotWrittenCode;
    }
    return WaveLoaded;
}

EditResult CopySelection(Project& project, UiServices& ui) {
    if (!project.buffersReady()) return {};
    const FrameRange range = Selection(project);
    if (SaveWave(range.start, range.end, project.clipperPath, project.trackBuffer.get(), ui) == WaveSaved) return {};
    return {EditResult::Outcome::ClipboardNotWritten};
}

EditResult CutSelection(Project& project, UiServices& ui) {
    if (!project.buffersReady()) return {};
    if (const EditResult copied = CopySelection(project, ui); !copied.done()) return copied;
    const FrameRange range = Selection(project);
    ClearFrames(project.trackBuffer.get(), range.start, range.end);
    project.trackDirty = true;
    return {};
}

EditResult PasteClip(Project& project, PasteMode mode, UiServices& ui) {
    return EditWithClip(project, ui, [&](FrameRange range) {
        MixInto(project, project.scratchBuffer.get(), project.trackBuffer.get(), 0, range.end - range.start,
                range.start, project.currentTrack, mode == PasteMode::Add);
    });
}

EditResult RingClip(Project& project, UiServices& ui) {
    // The gains alone count here, not the mute; the products fit easily in 64 bits and the
    // division truncates toward zero.
    const int64_t gainLeft = project.gainLeft[project.currentTrack];
    const int64_t gainRight = project.gainRight[project.currentTrack];
    return CombineWithClip(project, ui, [=](const Frame& clip, Frame& track) {
        track.left = Clamp(clip.left * int64_t{track.left} * gainLeft / 8192);
        track.right = Clamp(clip.right * int64_t{track.right} * gainRight / 8192);
    });
}

EditResult NegateClip(Project& project, UiServices& ui) {
    return CombineWithClip(project, ui, [](const Frame& clip, Frame& track) {
        track.left = Clamp(int64_t{track.left} - clip.left);
        track.right = Clamp(int64_t{track.right} - clip.right);
    });
}

}  // namespace jorv
