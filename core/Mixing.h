#pragma once

#include <cstdint>

#include "core/Project.h"

namespace jorv {

// Frames from..to-1 of source go to destination from frame offset on, scaled by the gains of
// track trackIndex (silence when it is muted); add mixes with saturation, otherwise replaces.
void MixInto(const Project& project, const Frame* source, Frame* destination, uint32_t from, uint32_t to,
             uint32_t offset, int trackIndex, bool add);

// Frames from..to-1 become silence.
void ClearFrames(Frame* buffer, uint32_t from, uint32_t to);

}  // namespace jorv
