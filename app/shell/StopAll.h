#pragma once

#include "app/shell/AppContext.h"

namespace jorv {

// Run before every command: when a loaded project is playing or recording, stop the wave
// devices (placing a take) and the play cursor.
void StopAll(AppContext& context);

}  // namespace jorv
