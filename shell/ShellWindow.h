#pragma once

#include <string>

namespace jorv {

// The main window's own dialogs and lifetime, as the command table uses them.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    virtual void showAbout() = 0;
    // The modal dialogs; each runs its logic until its OK closes it.
    virtual void runProjectSettings() = 0;
    virtual void runTrackProperties() = 0;
    virtual void runMaster() = 0;
    // The effect parameter dialog for the effect in the context's dialog state; returns
    // EffectDialogOk or EffectDialogCancel.
    virtual int runEffectDialog() = 0;
    virtual void runDrumEdit() = 0;
    virtual void runOptions() = 0;
    // The lyrics dialog of TTS mode.
    virtual void runLyrics() = 0;
    // The Rip MCI dialog.
    virtual void runRip() = 0;
    virtual void runFxList() = 0;
    // Edit > Select Range...: the two fields, until ApplySelectRange takes them or Cancel.
    virtual void runSelectRange() = 0;
    // Help > Index: the help document (an HTML file that exists) in the program's own window.
    virtual void showHelp(const std::string& helpFile) = 0;
    // Destroys the main window, which ends the program.
    virtual void closeWindow() = 0;
};

}  // namespace jorv
