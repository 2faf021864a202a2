#pragma once

#include <string>

#include "core/Project.h"

namespace jorv {

// Folder of the running executable, without a trailing separator.
std::string ExecutableFolder();

// The folder for the files that live beside the executable: the executable's own folder when
// files can be created there, else $XDG_DATA_HOME/jorv (~/.local/share/jorv), created on demand.
std::string ResolveExeDir(const std::string& executableFolder);

// exeDir and the paths built from it: clipper, help, settings and the default project file.
void SetStartupPaths(Project& project, const std::string& exeDir);

}  // namespace jorv
