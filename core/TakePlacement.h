#pragma once

#include <cstdint>

#include "core/Project.h"
#include "core/UiServices.h"

namespace jorv {

// Places a take the device captured into trackBuffer from frame 0: moved earlier by its latency,
// then spliced over (or, merging, added onto) the current track's frames start..end-1, read
// from the track's file; a take that filled the whole track without merging stays as it is.
// The track is then changed.
void PlaceTake(Project& project, uint32_t start, uint32_t end, bool merge, int recordLatency, UiServices& ui);

// Value k of the take takes value k + latency (values are single 16-bit samples).
void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency);

}  // namespace jorv
