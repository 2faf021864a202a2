#include "shell/MenuMnemonics.h"

#include <cctype>
#include <string>

namespace jorv {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool Markable(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

bool Free(char c, const std::string& used) { return Markable(c) && used.find(Lower(c)) == std::string::npos; }

// Where the mnemonic goes in text: a word's first character first, then any; npos when every
// letter and digit of text is taken.
std::size_t MnemonicPlace(std::string_view text, const std::string& used) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((i == 0 || text[i - 1] == ' ') && Free(text[i], used)) return i;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Free(text[i], used)) return i;
    return std::string_view::npos;
}

bool Marks(const MenuEntry& entry) {
    return entry.kind == MenuEntry::Kind::Item || entry.kind == MenuEntry::Kind::Submenu;
}

}  // namespace

char MnemonicOf(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return Lower(text[i + 1]);
        ++i;
    }
    return 0;
}

void MarkMnemonics(std::vector<MenuEntry>& entries) {
    std::string used;
    for (const MenuEntry& entry : entries)
        if (const char mnemonic = MnemonicOf(entry.text)) used += mnemonic;
    for (MenuEntry& entry : entries) {
        MarkMnemonics(entry.children);
        if (!Marks(entry) || MnemonicOf(entry.text) != 0) continue;
        const std::size_t place = MnemonicPlace(entry.text, used);
        if (place == std::string_view::npos) continue;
        used += Lower(entry.text[place]);
        entry.text.insert(place, 1, '&');
    }
}

}  // namespace jorv
