#pragma once

#include "core/Project.h"

namespace jorv {

// Recomputes gainLeft and gainRight of all 16 records, in use or not, from volume and pan.
void ComputeGains(Project& project);

}  // namespace jorv
