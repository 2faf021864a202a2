#pragma once

#include <cstdint>

#include "effects/EffectProgress.h"
#include "effects/FftWorkspace.h"
#include "effects/TrackSamples.h"

namespace jorv {

// Runs an FFT effect's spectral step over frames start..end-1 through a 4096-point analysis
// and resynthesis with a hop of 1024 frames, the two channels side by side on two threads with
// the results of the left pass followed by the right. Results land 1024 frames after the
// material they come from; frame start and the last 3072 frames of the range keep their
// values. When the working storage cannot be had, nothing changes.
void ApplyFftEffect(TrackSamples samples, SpectralStep step, int64_t start, int64_t end, int32_t p1, int32_t p2, int32_t p3,
                    const EffectProgress& progress = {}, FftWorkspaceAllocator allocate = AllocateFftWorkspace);

}  // namespace jorv
