#pragma once

#include <cstdint>

#include "core/Project.h"
#include "effects/EffectCatalogue.h"
#include "effects/EffectProgress.h"
#include "effects/EffectRandom.h"

namespace jorv {

// Runs one effect over frames start..end-1 of the current track's buffer. Returns -1, changing
// nothing, when start >= end; otherwise 0. The part of the range beyond the buffer is ignored,
// and so is an id that names no effect. Effects that draw random numbers take them from random.
// Callers mark the track dirty. Long FFT runs report to progress when one is given.
int32_t ApplyEffect(Project& project, EffectId id, uint32_t start, uint32_t end, int32_t p1, int32_t p2, int32_t p3,
                    EffectRandom& random, const EffectProgress& progress = {});

}  // namespace jorv
