#include "app/shell/AppPaths.h"

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

std::filesystem::path UserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "jorv";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "jorv";
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

std::string ResolveExeDir(const std::string& executableFolder) {
    if (CanCreateFilesIn(executableFolder)) return executableFolder;
    const std::filesystem::path fallback = UserDataFolder();
    std::error_code ignored;
    std::filesystem::create_directories(fallback, ignored);
    return fallback.string();
}

void SetStartupPaths(Project& project, const std::string& exeDir) {
    project.exeDir = exeDir;
    project.clipperPath = exeDir + "/clipper.wav";
    project.helpPath = exeDir + "/jorv.htm";
    project.iniPath = exeDir + "/jorv.ini";
    project.projectPath = ProjectFilePath(exeDir, "untitled");
}

}  // namespace jorv
