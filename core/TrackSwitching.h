#pragma once

#include <cstdint>

#include "core/Project.h"
#include "core/UiServices.h"
#include "core/WaveFile.h"

namespace jorv {

// Writes trackBuffer to the current track's file if it holds unsaved changes; trackDirty is
// cleared even when the save fails (the failure has been shown).
void FlushTrack(Project& project, UiServices& ui);

// The file a track's audio is read from: its working copy first.
std::string TrackFileToRead(const Project& project, const Track& track);

// Makes track index current: flushes, shows its controls, recomputes gains and the backing
// mix, and loads its audio. Returns LoadWave's result. When the file cannot be read the
// buffer becomes silence, so no other track's audio can be saved under this track's name.
WaveLoadResult SelectTrack(Project& project, int index, UiServices& ui);

// Sum of every other audible track, read from the track files, with their gains.
void RebuildBackingMix(Project& project, UiServices& ui);

// After volumes, pans or mutes change: show the current track's controls, recompute the gains
// and the backing mix.
void RefreshTrackMix(Project& project, UiServices& ui);

// scratchBuffer frames 0..to-from-1 = what is heard for frames from..to-1.
void PrepareOutput(Project& project, uint32_t from, uint32_t to, bool includeCurrent);

// A selection limited to the buffer: start <= end <= framesPerTrack.
struct FrameRange {
    uint32_t start;
    uint32_t end;
};
FrameRange LimitToBuffer(const Project& project, uint32_t start, uint32_t end);

// Selection = frames 0..framesPerTrack-1.
void SelectWholeTrack(Project& project);

void ShowTrackControls(const Track& track, UiServices& ui);

}  // namespace jorv
