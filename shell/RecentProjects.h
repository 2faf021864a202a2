#pragma once

#include <string>
#include <vector>

// The File menu's list of the projects opened or saved last, kept in the settings file.
namespace jorv {

struct AppContext;

inline constexpr int MaxRecentProjects = 8;

// The settings file's key of entry index (0 is the latest): "RecentProject1" .. "RecentProject8".
std::string RecentProjectKey(int index);
// The list as the settings file holds it; empty values and repeats are left out.
std::vector<std::string> ReadRecentProjects(const std::string& iniPath);

// path goes first; an earlier entry of the same file goes, and so does the ninth.
void AddRecentProject(std::vector<std::string>& list, const std::string& path);

// After a project was opened or saved under its path: the list takes it, and the settings file
// and the File menu follow.
void RememberRecentProject(AppContext& context);

inline std::string RecentProjectGoneMessage(const std::string& path) {
    return "The project " + path + " is no longer there, so it leaves the list.";
}

// File > 1 .. 8: opens the project of that entry as File > Open does; an entry whose file has
// gone is said and taken off the list.
void OpenRecentProject(AppContext& context, int index);

}  // namespace jorv
