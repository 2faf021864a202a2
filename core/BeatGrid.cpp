#include "core/BeatGrid.h"

namespace jorv {

uint32_t SnapToBeat(const Project& project, uint32_t frame) {
    // A zero beat would divide by zero; the drum editor can leave pattern 0 without length.
    const uint32_t snapped = project.beatFrames != 0 ? frame / project.beatFrames * project.beatFrames : frame;
    return snapped < project.framesPerTrack || project.framesPerTrack == 0 ? snapped : project.framesPerTrack - 1;
}

}  // namespace jorv
