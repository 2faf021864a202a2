#include "core/Gains.h"

#include <algorithm>

namespace jorv {

void ComputeGains(Project& project) {
    for (int t = 0; t < MaxTracks; ++t) {
        const Track& track = project.block.tracks[t];
        const int32_t volume = track.volume;
        const int32_t pan = track.pan;
        const int32_t leftFactor = std::min(393 - pan, 255);
        const int32_t rightFactor = std::min(pan + 128, 255);
        project.gainLeft[t] = volume * leftFactor / 256;
        project.gainRight[t] = volume * rightFactor / 256;
    }
}

}  // namespace jorv
