#pragma once

#include "app/shell/AppContext.h"

namespace jorv {

// Runs one command from any source: StopAll first, then the command's action. Returns false
// for identifiers that are not commands (the caller then handles them as it would by default).
bool RunCommand(AppContext& context, int id, Notification notification = Notification::Clicked);

}  // namespace jorv
