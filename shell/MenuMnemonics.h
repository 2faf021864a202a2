#pragma once

#include <string_view>
#include <vector>

#include "shell/MenuTable.h"

namespace jorv {

// The mnemonic of a menu text, in lower case: the character after a single '&' ("&&" shows an
// ampersand and marks nothing), or 0 when the text has none.
char MnemonicOf(std::string_view text);

// Gives every item and submenu of entries, and of their submenus, that has no mnemonic one
// that no other entry of its own menu uses: the first letter or digit of one of its words,
// else any of its letters or digits. Texts that have one keep it as it is.
void MarkMnemonics(std::vector<MenuEntry>& entries);

}  // namespace jorv
