#pragma once

namespace jorv {

// The main window's own dialogs and lifetime, as the command table uses them.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    virtual void showAbout() = 0;
    // Destroys the main window, which ends the program.
    virtual void closeWindow() = 0;
};

}  // namespace jorv
