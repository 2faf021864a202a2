#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "core/FrameMemory.h"
#include "core/ProjectBlock.h"
#include "core/WaveFormat.h"
#include "core/WorkingCopy.h"

namespace jorv {

// The beat grid's spacing until Drum Edit's OK sets it: a fresh drum pattern's length, 32 steps
// of 100 ms, in frames.
inline constexpr uint32_t DefaultBeatFrames = 141120;

// The one open project: its persistent block and the run-time state around it.
struct Project {
    ProjectBlock block{};
    // The block as the project file last held it (after Open or Save), to tell unsaved changes.
    ProjectBlock savedBlock{};

    // Paths, in UTF-8 (the block's own fields stay UTF-16).
    std::string exeDir;
    std::string clipperPath;
    std::string projectPath;
    std::string projectDir;
    // The unsaved work beside the project file; inactive where nothing set it up, and then
    // tracks are read from and written to their saved files.
    WorkingCopy work;

    // The three buffers hold framesPerTrack frames each; framesPerTrack is 0 while they do not exist.
    uint32_t framesPerTrack = 0;
    FrameBuffer trackBuffer;
    FrameBuffer scratchBuffer;
    FrameBuffer backingMix;

    uint16_t currentTrack = 0;
    bool trackDirty = false;
    bool projectLoaded = false;
    bool busy = false;

    uint32_t selectionStart = 0;
    uint32_t selectionEnd = 0;

    std::array<int32_t, MaxTracks> gainLeft{};
    std::array<int32_t, MaxTracks> gainRight{};

    uint32_t beatFrames = DefaultBeatFrames;

    bool mergeRecord = false;
    bool drumsActive = false;
    bool alignToBeat = false;

    bool buffersReady() const { return framesPerTrack != 0; }
    // A loaded project whose current track, other tracks or project file lack changes made since.
    bool hasUnsavedChanges() const {
        return projectLoaded && (trackDirty || std::memcmp(&block, &savedBlock, sizeof block) != 0 || work.holdsTracks());
    }
    // Where the project's files go: the folder it was created in or opened from, else beside
    // the program.
    const std::string& folder() const { return projectDir.empty() ? exeDir : projectDir; }
    Track& current() { return block.tracks[currentTrack]; }
    // The number of track records in use, never more than the table holds.
    int usedTracks() const { return block.header.trackCount < MaxTracks ? block.header.trackCount : MaxTracks; }
};

}  // namespace jorv
