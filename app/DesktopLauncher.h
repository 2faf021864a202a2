#pragma once

#include "shell/Launcher.h"

namespace jorv {

// A document (a file that is not a program) opens with the desktop's
// application for it; anything else is started as a program on its own.
class DesktopLauncher final : public Launcher {
public:
    bool open(const std::string& path) override;
};

}  // namespace jorv
