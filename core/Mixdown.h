#pragma once

#include <cstdint>

#include "core/Project.h"

namespace jorv {

// The mix of every audible track over the selection, as Save Wave writes it, into the scratch
// buffer from its first frame; returns its frames (0 without buffers).
uint32_t MixSelection(Project& project);

}  // namespace jorv
