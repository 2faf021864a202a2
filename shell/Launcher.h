#pragma once

#include <string>

namespace jorv {

// Opens what a Tools command names: a program started on its own, or a document with the
// desktop's application for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    // False when nothing could be started (no such program, or nothing opens the document).
    virtual bool open(const std::string& path) = 0;
};

}  // namespace jorv
