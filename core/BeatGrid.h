#pragma once

#include <cstdint>

#include "core/Project.h"

namespace jorv {

// The start of the beat that holds frame (beats of beatFrames frames from frame 0), kept inside
// the buffer. A beat of no length leaves the frame where it is.
uint32_t SnapToBeat(const Project& project, uint32_t frame);

}  // namespace jorv
