#include "instruments/CapturedEventText.h"

#include <charconv>

namespace jorv {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next whitespace-separated word of line, advancing past it.
std::string_view NextWord(std::string_view& line) {
    while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
    std::size_t end = 0;
    while (end < line.size() && !IsSpace(line[end])) ++end;
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

// A 32-bit entry written signed or unsigned.
std::optional<int32_t> Entry(std::string_view word) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    if (value < INT32_MIN || value > int64_t{UINT32_MAX}) return std::nullopt;
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

CapturedEventText ParseCapturedEvents(std::string_view text) {
    std::vector<int32_t> entries;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++number;
        const std::string_view first = NextWord(line);
        if (first.empty()) continue;
        const std::string_view second = NextWord(line);
        const bool header = number == 1 && first == "events";
        const auto time = Entry(first);
        const auto message = Entry(second);
        if (!NextWord(line).empty() || (!header && (!time || !message)) || (header && !Entry(second)))
            return {std::nullopt, number};
        if (header) continue;
        entries.push_back(*time);
        entries.push_back(*message);
    }
    return {std::move(entries), 0};
}

}  // namespace jorv
