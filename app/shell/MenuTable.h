#pragma once

#include <string_view>
#include <vector>

// The menu bar as data, so the window builds it and the tests read it from one place.
namespace jorv {

struct MenuEntry {
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    std::string_view text;  // with '&' before the mnemonic
    int id = 0;
    std::vector<MenuEntry> children;
};

// The top-level menus, "&File" to "&Help", each a submenu.
const std::vector<MenuEntry>& MenuBarEntries();

}  // namespace jorv
