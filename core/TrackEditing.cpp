#include "core/TrackEditing.h"

#include <algorithm>
#include <cstdint>

#include "core/FileCopy.h"
#include "core/Mixing.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

constexpr int ClipboardNotWritten = -1;

FrameRange Selection(const Project& project) {
    return LimitToBuffer(project, project.selectionStart, project.selectionEnd);
}

// The clip in scratchBuffer, silence after its end; the LoadWave code when it failed.
int LoadClip(Project& project, UiServices& ui) {
    return LoadWave(project.clipperPath, project.scratchBuffer.get(), project.framesPerTrack, ui);
}

int16_t Clamp(int64_t value) { return static_cast<int16_t>(std::clamp<int64_t>(value, MixMin, MixMax)); }

// Loads the clip, then lets edit change the selection; nothing changes when the clip fails.
template <typename Edit>
int EditWithClip(Project& project, UiServices& ui, Edit edit) {
    if (!project.buffersReady()) return WaveLoaded;
    if (const int result = LoadClip(project, ui); result >= FirstWaveFailure) return result;
    edit(Selection(project));
    project.trackDirty = true;
    return WaveLoaded;
}

// combine(clip frame k, track frame selectionStart + k) over the selection.
template <typename Combine>
int CombineWithClip(Project& project, UiServices& ui, Combine combine) {
    return EditWithClip(project, ui, [&](FrameRange range) {
        const Frame* clip = project.scratchBuffer.get();
        Frame* track = project.trackBuffer.get() + range.start;
        for (uint32_t k = 0; k < range.end - range.start; ++k) combine(clip[k], track[k]);
    });
}

}  // namespace

int CopySelection(Project& project, UiServices& ui) {
    if (!project.buffersReady()) return WaveLoaded;
    const FrameRange range = Selection(project);
    const int saved = SaveWave(range.start, range.end, project.clipperPath, project.trackBuffer.get(), ui);
    return saved == 0 ? WaveLoaded : ClipboardNotWritten;
}

int CutSelection(Project& project, UiServices& ui) {
    if (!project.buffersReady()) return WaveLoaded;
    if (const int copied = CopySelection(project, ui); copied != WaveLoaded) return copied;
    const FrameRange range = Selection(project);
    ClearFrames(project.trackBuffer.get(), range.start, range.end);
    project.trackDirty = true;
    return WaveLoaded;
}

int PasteClip(Project& project, PasteMode mode, UiServices& ui) {
    return EditWithClip(project, ui, [&](FrameRange range) {
        MixInto(project, project.scratchBuffer.get(), project.trackBuffer.get(), 0, range.end - range.start,
                range.start, project.currentTrack, mode == PasteMode::Add);
    });
}

int RingClip(Project& project, UiServices& ui) {
    // The gains alone count here, not the mute; the products fit easily in 64 bits and the
    // division truncates toward zero.
    const int64_t gainLeft = project.gainLeft[project.currentTrack];
    const int64_t gainRight = project.gainRight[project.currentTrack];
    return CombineWithClip(project, ui, [=](const Frame& clip, Frame& track) {
        track.left = Clamp(clip.left * int64_t{track.left} * gainLeft / 8192);
        track.right = Clamp(clip.right * int64_t{track.right} * gainRight / 8192);
    });
}

int NegateClip(Project& project, UiServices& ui) {
    return CombineWithClip(project, ui, [](const Frame& clip, Frame& track) {
        track.left = Clamp(int64_t{track.left} - clip.left);
        track.right = Clamp(int64_t{track.right} - clip.right);
    });
}

void UndoTrack(Project& project, UiServices& ui) {
    if (!project.trackDirty || !project.buffersReady()) return;
    const std::string file = FieldToUtf8(project.current().waveFile);
    // A file that cannot be read leaves the buffer as it was, and its changes still unsaved.
    if (LoadWave(file, project.trackBuffer.get(), project.framesPerTrack, ui) >= FirstWaveFailure) return;
    project.trackDirty = false;
}

void CopyFromFile(Project& project, UiServices& ui) {
    const auto path = ui.chooseFile({.save = false,
                                     .mustExist = true,
                                     .filterLabel = "Wave Files",
                                     .filterPattern = "*.wav",
                                     .title = "Open Wave File",
                                     .defaultExtension = ".wav",
                                     .initialFolder = project.exeDir,
                                     .initialFile = {}});
    if (!path) return;
    if (!CopyFileOver(*path, project.clipperPath)) {
        ShowError(ui, CopyFromFailedMessage);
        return;
    }
    ui.setStatus("Copied to clipper");
}

}  // namespace jorv
