#pragma once

#include <string>

namespace jorv {

// Opens what a Tools or Help command names: a program started on its own, or a document with
// the desktop's application for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void open(const std::string& path) = 0;
};

}  // namespace jorv
