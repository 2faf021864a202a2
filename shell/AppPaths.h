#pragma once

#include <string>

#include "core/Project.h"

namespace jorv {

// Folder of the running executable, without a trailing separator.
std::string ExecutableFolder();

// Where the program finds its own files and keeps the files a user's work creates.
struct AppFolders {
    // The program's own files (the help document): ../share/jorv beside an installed
    // executable, else the executable's own folder (a build).
    std::string programFiles;
    // The files said to live beside the executable (settings, clipboard, default project): the
    // executable's own folder when it is not installed and files can be created there, else
    // $XDG_DATA_HOME/jorv (~/.local/share/jorv), created on demand.
    std::string userFiles;
};
AppFolders ResolveAppFolders(const std::string& executableFolder);

// The program's own files that only the shell reads.
struct ProgramPaths {
    std::string help;
    std::string settings;
};

// exeDir (the user files' folder) and the paths built from the folders: clipper and default
// project file for the project, help document and settings file for the shell.
void SetStartupPaths(Project& project, ProgramPaths& paths, const AppFolders& folders);

}  // namespace jorv
