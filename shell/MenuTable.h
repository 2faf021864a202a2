#pragma once

#include <span>
#include <string>
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
    // With '&' before the mnemonic; an item or submenu given without one gets the first letter
    // (a word's first, else any) that no other entry of its menu uses.
    std::string text;
    int id = 0;
    std::vector<MenuEntry> children;
};

// The top-level menus, "&File" to "&Help", each a submenu. Every entry has a mnemonic; the
// only shared ones are those the menus have always had (&File and &FX, &Track and &Tools,
// &Undo and C&ut), which the menus cycle through.
const std::vector<MenuEntry>& MenuBarEntries();

// The keys of the common menu commands, shown beside their texts: the desktop's standard ones
// where it has them (New, Open, Save, Cut, Copy, Paste, Undo, Quit, Help), Ctrl+R for Record.
struct CommandShortcut {
    int id;
    std::string_view keys;  // in the portable text form, such as "Ctrl+N"
};
std::span<const CommandShortcut> CommandShortcuts();

// What Space does: stop what runs, else play the selection.
int PlayOrStopCommand(const Project& project);

}  // namespace jorv
