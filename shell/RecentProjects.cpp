#include "shell/RecentProjects.h"

#include <algorithm>
#include <filesystem>

#include "shell/AppContext.h"
#include "shell/IniFile.h"
#include "shell/ProjectCommands.h"
#include "core/ProjectFile.h"

namespace jorv {

std::string RecentProjectKey(int index) { return "RecentProject" + std::to_string(index + 1); }

std::vector<std::string> ReadRecentProjects(const std::string& iniPath) {
    std::vector<std::string> list;
    for (int i = 0; i < MaxRecentProjects; ++i) {
        const std::string path = ReadIniString(iniPath, SettingsSection, RecentProjectKey(i), "");
        if (!path.empty() && std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
    }
    return list;
}

namespace {

// Every key of the list, those beyond its end empty, so that a shorter list replaces a longer.
std::vector<std::pair<std::string, std::string>> RecentProjectValues(const std::vector<std::string>& list) {
    std::vector<std::pair<std::string, std::string>> values;
    for (int i = 0; i < MaxRecentProjects; ++i)
        values.emplace_back(RecentProjectKey(i), i < int(list.size()) ? list[std::size_t(i)] : std::string());
    return values;
}

}  // namespace

void AddRecentProject(std::vector<std::string>& list, const std::string& path) {
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > std::size_t(MaxRecentProjects)) list.resize(MaxRecentProjects);
}

namespace {

// The list is a convenience: a settings file that cannot be written costs it no message on
// every open and save (Options reports such a file when its settings are saved).
void KeepRecentProjects(AppContext& context) {
    const std::vector<std::string>& list = context.settings.recentProjects;
    WriteIniValues(context.paths.settings, SettingsSection, RecentProjectValues(list));
    context.ui.showRecentProjects(list);
}

}  // namespace

void RememberRecentProject(AppContext& context) {
    AddRecentProject(context.settings.recentProjects, FullProjectPath(context.project.projectPath));
    KeepRecentProjects(context);
}

// A project that has gone (moved, deleted, on a disk not mounted) is said and leaves the list,
// so the menu does not keep offering it; the open project stays as it is.
void OpenRecentProject(AppContext& context, int index) {
    std::vector<std::string>& list = context.settings.recentProjects;
    if (index < 0 || index >= int(list.size())) return;
    const std::string path = list[std::size_t(index)];
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        ShowError(context.ui, RecentProjectGoneMessage(path));
        list.erase(list.begin() + index);
        KeepRecentProjects(context);
        return;
    }
    OpenProjectFileCommand(context, path);
}

}  // namespace jorv
