#pragma once

#include <string>

#include "shell/AppContext.h"
#include "shell/AppPaths.h"

namespace jorv {

// The main window's creation, around the creation of its controls: first the paths and the
// settings, then (once the controls exist) the drum block and the posted New, or, when the
// command line names a project file, the posted opening of that project.
void PrepareStartUp(AppContext& context, const AppFolders& folders);
void FinishStartUp(AppContext& context, const std::string& projectFile = {});

// Closes the drum output and the wave devices. Nothing is saved.
void ShutDown(AppContext& context);

}  // namespace jorv
