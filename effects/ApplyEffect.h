#pragma once

#include <cstdint>

#include "core/Project.h"
#include "effects/EffectCatalogue.h"
#include "effects/EffectProgress.h"
#include "effects/EffectRandom.h"

namespace jorv {

// ApplyEffect's result, with the numbers the described program returns (jorv-cli prints them).
enum EffectResult : int32_t {
    EffectApplied = 0,
    // start >= end: nothing changed.
    EffectRangeEmpty = -1,
};

// Runs one effect over frames start..end-1 of the current track's buffer. The part of the range beyond the buffer is ignored,
// and so is an id that names no effect. Effects that draw random numbers take them from random.
// Callers mark the track dirty. Long FFT runs report to progress when one is given.
EffectResult ApplyEffect(Project& project, EffectId id, uint32_t start, uint32_t end, int32_t p1, int32_t p2, int32_t p3,
                    EffectRandom& random, const EffectProgress& progress = {});

}  // namespace jorv
