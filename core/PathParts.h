#pragma once

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

}  // namespace jorv
