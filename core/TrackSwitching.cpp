#include "core/TrackSwitching.h"

#include <algorithm>

#include "core/Gains.h"
#include "core/Mixing.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

std::string WaveFileOf(const Track& track) { return FieldToUtf8(track.waveFile); }

}  // namespace

void ShowTrackControls(const Track& track, UiServices& ui) {
    ui.showTrackControls(track.volume, track.pan, track.mute != 0);
}

FrameRange LimitToBuffer(const Project& project, uint32_t start, uint32_t end) {
    const uint32_t first = std::min(start, project.framesPerTrack);
    return {first, std::clamp(end, first, project.framesPerTrack)};
}

void SelectWholeTrack(Project& project) {
    project.selectionStart = 0;
    project.selectionEnd = project.framesPerTrack > 0 ? project.framesPerTrack - 1 : 0;
}

void FlushTrack(Project& project, UiServices& ui) {
    if (!project.trackDirty) return;
    if (project.buffersReady()) {
        const std::string file = project.work.fileToWrite(WaveFileOf(project.current()));
        if (SaveWave(0, project.framesPerTrack, file, project.trackBuffer.get(), ui) == WaveSaved)
            project.work.clearEdits();
    }
    project.trackDirty = false;
}

std::string TrackFileToRead(const Project& project, const Track& track) {
    return project.work.fileToRead(WaveFileOf(track));
}

WaveLoadResult SelectTrack(Project& project, int index, UiServices& ui) {
    if (index < 0 || index >= MaxTracks) return WaveLoaded;
    FlushTrack(project, ui);
    project.currentTrack = static_cast<uint16_t>(index);
    RefreshTrackMix(project, ui);
    if (!project.buffersReady()) return WaveLoaded;
    const WaveLoadResult result =
        LoadWave(TrackFileToRead(project, project.current()), project.trackBuffer.get(), project.framesPerTrack, ui);
    if (result >= FirstWaveFailure) ClearFrames(project.trackBuffer.get(), 0, project.framesPerTrack);
    return result;
}

void RebuildBackingMix(Project& project, UiServices& ui) {
    if (!project.buffersReady()) return;
    ClearFrames(project.backingMix.get(), 0, project.framesPerTrack);
    for (int t = 0; t < project.usedTracks(); ++t) {
        const Track& track = project.block.tracks[t];
        if (t == project.currentTrack || track.volume == 0 || track.mute != 0) continue;
        if (LoadWave(TrackFileToRead(project, track), project.scratchBuffer.get(), project.framesPerTrack, ui) >=
            FirstWaveFailure)
            continue;
        MixInto(project, project.scratchBuffer.get(), project.backingMix.get(), 0, project.framesPerTrack, 0, t, true);
    }
}

void RefreshTrackMix(Project& project, UiServices& ui) {
    ShowTrackControls(project.current(), ui);
    ComputeGains(project);
    RebuildBackingMix(project, ui);
}

void PrepareOutput(Project& project, uint32_t from, uint32_t to, bool includeCurrent) {
    if (from >= to) return;
    std::copy(project.backingMix.get() + from, project.backingMix.get() + to, project.scratchBuffer.get());
    if (includeCurrent)
        MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), from, to, 0, project.currentTrack, true);
}

}  // namespace jorv
