#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>

namespace jorv {

// A path split at its last separator.
struct PathParts {
    std::string folder;  // before the separator; empty without one
    std::string name;    // after it; the whole path without one
    bool hasSeparator = false;
};

inline PathParts SplitAtLastSeparator(std::string_view path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return {{}, std::string(path), false};
    return {std::string(path.substr(0, slash)), std::string(path.substr(slash + 1)), true};
}

// The extension of a path's last name, with its dot, in lower case: ".wav" for "Take.WAV".
inline std::string LowerCaseExtension(std::string_view path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

}  // namespace jorv
