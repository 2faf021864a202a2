#include "cli/CliArguments.h"

#include <algorithm>
#include <charconv>

namespace jorv::cli {

namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::optional<std::string> Arguments::value(std::string_view option) const {
    if (auto found = values.find(option); found != values.end()) return found->second;
    return std::nullopt;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& words, const ArgumentShape& shape) {
    Arguments parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            parsed.positional.push_back(word);
        } else if (Contains(shape.valueOptions, word)) {
            if (++i >= words.size()) return std::nullopt;
            parsed.values[word] = words[i];
        } else if (word == "--yes" || Contains(shape.flagOptions, word)) {
            parsed.flags.insert(word);
        } else {
            return std::nullopt;
        }
    }
    if (parsed.positional.size() != shape.positional.size()) return std::nullopt;
    return parsed;
}

std::optional<long long> ParseNumber(std::string_view text, long long min, long long max) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < min || number > max) return std::nullopt;
    return number;
}

}  // namespace jorv::cli
