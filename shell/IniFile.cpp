#include "shell/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "core/FileHandle.h"
#include "core/FileReplacement.h"

namespace jorv {

namespace {

std::string_view Trim(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A file that cannot be read as a regular file (a FIFO would block) reads as no lines.
std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    const FileForReading opened = OpenForReading(path);
    if (!opened.file) return lines;
    std::string text;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, opened.file.get())) > 0;) text.append(chunk, got);
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return lines;
}

// The section named by a "[name]" line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

// For a "key=value" line: the key, and the value with one pair of surrounding quotes removed.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || Trim(line).starts_with(';')) return std::nullopt;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::make_pair(Trim(line.substr(0, eq)), value);
}

}  // namespace

std::optional<long long> LeadingNumber(std::string_view text) {
    text = Trim(text);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 40);
    return negative ? -value : value;
}

std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const std::string& line : ReadLines(path)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (const auto pair = KeyValue(line); pair && SameName(pair->first, key)) return std::string(pair->second);
        }
    }
    return std::nullopt;
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback) {
    return ReadIniValue(path, section, key).value_or(std::string(fallback));
}

int ReadIniInt(const std::string& path, std::string_view section, std::string_view key, int fallback) {
    const auto text = ReadIniValue(path, section, key);
    if (!text) return fallback;
    const auto number = LeadingNumber(*text);
    if (!number || *number < 0) return 0;
    return static_cast<int>(std::min<long long>(*number, 0x7FFFFFFF));
}

namespace {

// Where section's lines end (the line after its last line), or nothing when it is not there.
std::optional<std::size_t> SectionEnd(const std::vector<std::string>& lines, std::string_view section) {
    std::optional<std::size_t> end;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) inSection = SameName(*name, section);
        if (inSection && !Trim(lines[i]).empty()) end = i + 1;
    }
    return end;
}

// Changes key's line inside section; false when the section has no such key.
bool ChangeInPlace(std::vector<std::string>& lines, std::string_view section, const std::string& key,
                   const std::string& value) {
    bool inSection = false;
    for (std::string& line : lines) {
        if (const auto name = SectionName(line)) inSection = SameName(*name, section);
        const auto pair = inSection ? KeyValue(line) : std::nullopt;
        if (!pair || !SameName(pair->first, key)) continue;
        line = key + "=" + value;
        return true;
    }
    return false;
}

}  // namespace

bool WriteIniValues(const std::string& path, std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> lines = ReadLines(path);
    for (const auto& [key, value] : values) {
        if (ChangeInPlace(lines, section, key, value)) continue;
        auto end = SectionEnd(lines, section);
        if (!end) {
            lines.push_back("[" + std::string(section) + "]");
            end = lines.size();
        }
        lines.insert(lines.begin() + std::ptrdiff_t(*end), key + "=" + value);
    }
    FileReplacement replacement(path);
    if (!replacement.file()) return false;
    for (const std::string& line : lines) {
        std::fputs(line.c_str(), replacement.file());
        std::fputs("\r\n", replacement.file());
    }
    return replacement.commit();
}

}  // namespace jorv
