#include "shell/MenuPaths.h"

#include <cctype>
#include <string>
#include <vector>

#include "shell/CommandIds.h"
#include "shell/MenuTable.h"

namespace jorv {

namespace {

// One level of a path as it is compared: no "&", no trailing "...", no outer blanks, lower case.
std::string Normalized(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != '&') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto trimTrailing = [&out] {
        while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    };
    trimTrailing();
    const std::size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first);
}

std::vector<std::string> Levels(std::string_view path) {
    std::vector<std::string> levels;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = path.find('>', from);
        levels.push_back(Normalized(path.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from)));
        if (at == std::string_view::npos) return levels;
        from = at + 1;
    }
}

std::optional<int> Find(const std::vector<MenuEntry>& entries, const std::vector<std::string>& levels, std::size_t depth) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Separator || Normalized(entry.text) != levels[depth]) continue;
        const bool last = depth + 1 == levels.size();
        if (entry.kind == MenuEntry::Kind::Item && last) return entry.id;
        if (entry.kind == MenuEntry::Kind::Submenu && !last)
            if (const auto id = Find(entry.children, levels, depth + 1)) return id;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> FindMenuCommand(std::string_view path) { return Find(MenuBarEntries(), Levels(path), 0); }

namespace {

std::optional<std::string> TextOf(const std::vector<MenuEntry>& entries, int id) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Item && entry.id == id) {
            std::string text;
            for (const char c : entry.text)
                if (c != '&') text += c;
            while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
            return text;
        }
        if (const auto text = TextOf(entry.children, id)) return text;
    }
    return std::nullopt;
}

}  // namespace

std::string StepName(int commandId) {
    if (commandId == cmd::Stop) return "Record";
    return TextOf(MenuBarEntries(), commandId).value_or("Edit");
}

}  // namespace jorv
