#pragma once

#include "shell/AppContext.h"

namespace jorv {

// Run before every command: when a loaded project is playing or recording, stop the wave
// devices (placing a take), the drums when they play along, the play cursor, and finish an
// armed MIDI mode.
void StopAll(AppContext& context);

}  // namespace jorv
