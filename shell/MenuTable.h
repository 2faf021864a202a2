#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/Project.h"

// The menu bar as data, so the window builds it and the tests read it from one place.
namespace jorv {

struct MenuEntry {
    // RecentProjects: where the window lists the recent projects (cmd::RecentProject + i),
    // after a separator of their own, all hidden while the list is empty.
    enum class Kind { Item, Separator, Submenu, RecentProjects };
    Kind kind = Kind::Item;
    std::string_view text;  // with '&' before the mnemonic
    int id = 0;
    std::vector<MenuEntry> children;
};

// The top-level menus, "&File" to "&Help", each a submenu.
const std::vector<MenuEntry>& MenuBarEntries();

// The desktop's standard keys for the File and Edit commands, shown beside the menu texts.
struct CommandShortcut {
    int id;
    std::string_view keys;  // in the portable text form, such as "Ctrl+N"
};
std::span<const CommandShortcut> CommandShortcuts();

// What Space does: stop what runs, else play the selection.
int PlayOrStopCommand(const Project& project);

}  // namespace jorv
