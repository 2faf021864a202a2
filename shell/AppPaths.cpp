#include "shell/AppPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/TrackFileName.h"

namespace jorv {

namespace {

// Permission bits do not tell root the truth, so try creating a file.
bool CanCreateFilesIn(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / (".jorv-write-test-" + std::to_string(::getpid()));
    bool created = static_cast<bool>(std::ofstream(probe));
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return created;
}

std::string CreatedUserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder = xdg && *xdg ? std::filesystem::path(xdg) / "jorv"
                                                     : std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "jorv";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

AppFolders ResolveAppFolders(const std::string& executableFolder) {
    std::error_code error;
    const std::filesystem::path installedData = std::filesystem::path(executableFolder).parent_path() / "share" / "jorv";
    if (std::filesystem::is_directory(installedData, error)) return {installedData.string(), CreatedUserDataFolder()};
    return {executableFolder, CanCreateFilesIn(executableFolder) ? executableFolder : CreatedUserDataFolder()};
}

void SetStartupPaths(Project& project, ProgramPaths& paths, const AppFolders& folders) {
    const std::string& exeDir = folders.userFiles;
    project.exeDir = exeDir;
    project.clipperPath = exeDir + "/clipper.wav";
    paths.help = folders.programFiles + "/jorv.htm";
    paths.settings = exeDir + "/jorv.ini";
    project.projectPath = ProjectFilePath(exeDir, "untitled");
}

}  // namespace jorv
