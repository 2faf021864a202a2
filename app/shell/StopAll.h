#pragma once

#include "app/shell/AppContext.h"

namespace jorv {

// Run before every command: when a loaded project is playing or recording, stop the devices
// (placing a take), the drums and the rip, and finish an armed SK1 or TTS capture.
void StopAll(AppContext& context);

}  // namespace jorv
