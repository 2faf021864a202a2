#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Project.h"
#include "core/UiServices.h"

// The work a run that did not close left in a project's working folder, and bringing it back.
namespace jorv {

inline constexpr std::string_view RecoverCaption = "Recover Jorv Project";
inline constexpr std::string_view DamagedWorkMessage =
    "Part of the unsaved work could not be read and is lost; the rest has been recovered.";

struct RecoverableWork {
    struct TrackAudio {
        int track;
        uint32_t frames;  // in its working copy, or changed by its journaled edits
    };
    std::vector<TrackAudio> tracks;
    // A take that was being recorded.
    struct CutShortTake {
        int track;
        uint32_t start;
        uint32_t frames;  // captured
    };
    std::optional<CutShortTake> take;
    bool projectChanged = false;
    // A journal or a copy holds bytes that cannot be read.
    bool damaged = false;
    bool empty() const { return tracks.empty() && !take && !projectChanged && !damaged; }
};

// What the working folder holds beyond the saved project; project holds the saved project, its
// working folder claimed.
RecoverableWork InspectWork(const Project& project);

// Brings the work back into the working folder: the project block from its copy, every edit
// into its track's copy, a take cut short spliced as Stop would have. What is damaged is said once; what could be read is kept. The saved
// files are not touched.
void RecoverWork(Project& project, UiServices& ui);

}  // namespace jorv
