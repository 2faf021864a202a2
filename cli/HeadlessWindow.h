#pragma once

#include "shell/EffectDialogState.h"
#include "shell/ShellWindow.h"

namespace jorv::cli {

// The shell's window when there is none: no dialog opens, so each ends as its Cancel would.
class HeadlessWindow final : public ShellWindow {
public:
    void showAbout() override {}
    void runProjectSettings() override {}
    void runTrackProperties() override {}
    void runMaster() override {}
    int runEffectDialog() override { return EffectDialogCancel; }
    void runDrumEdit() override {}
    void runOptions() override {}
    void runLyrics() override {}
    void runRip() override {}
    void runFxList() override {}
    void closeWindow() override {}
};

}  // namespace jorv::cli
