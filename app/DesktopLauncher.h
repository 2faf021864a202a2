#pragma once

#include "shell/Launcher.h"

namespace jorv {

// A document (a path with an extension, such as the help page) opens with the desktop's
// application for it; anything else is started as a program on its own.
class DesktopLauncher final : public Launcher {
public:
    void open(const std::string& path) override;
};

}  // namespace jorv
