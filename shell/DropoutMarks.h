#pragma once

#include <cstdint>
#include <vector>

#include "devices/WaveTransport.h"

namespace jorv {

// Where a take's dropouts lie in the track once it is placed: each was noted at a count of
// frames played, and the frame captured then is moved earlier by the take's latency. Marks that
// fall outside the take's selection are left out.
std::vector<uint32_t> TakeDropoutFrames(const std::vector<uint32_t>& playedPositions, const Take& take);

}  // namespace jorv
