#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace jorv::cli {

// How a subcommand's words are read: its positional arguments, the options that take a value
// and the options that stand alone.
struct ArgumentShape {
    std::vector<std::string_view> positional;
    std::vector<std::string_view> valueOptions;
    std::vector<std::string_view> flagOptions;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    bool has(std::string_view flag) const { return flags.contains(flag); }
    std::optional<std::string> value(std::string_view option) const;
};

// Nothing when the words do not fit the shape (an unknown option, a missing value, the wrong
// number of positional arguments). "--yes" is accepted by every subcommand.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& words, const ArgumentShape& shape);

// A whole decimal number within min..max, or nothing.
std::optional<long long> ParseNumber(std::string_view text, long long min, long long max);

}  // namespace jorv::cli
