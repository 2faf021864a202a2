#pragma once

#include <string>

#include "app/shell/AppContext.h"

namespace jorv {

// The main window's creation, around the creation of its controls: first the paths and the
// settings, then (once the controls exist) the drum block and the posted New.
void PrepareStartUp(AppContext& context, const std::string& exeDir);
void FinishStartUp(AppContext& context);

// Closes the drum output and the wave devices. Nothing is saved.
void ShutDown(AppContext& context);

}  // namespace jorv
