#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "shell/AppContext.h"
#include "shell/ShellWindow.h"

namespace jorv {

// The shell's window when there is none (jorv-cli): each dialog ends at once, as OK with what it
// shows when it opens (Project Settings, Track Properties, the effect dialog given its values),
// else as Cancel.
class HeadlessWindow final : public ShellWindow {
public:
    // The dialogs act on this context from now on.
    void attach(AppContext& context) { context_ = &context; }
    // The values the next effect dialog is set to before its OK; without them it is cancelled.
    void setEffectParameters(const std::array<int32_t, 3>& values) { effectParameters_ = values; }
    // Whether Exit asked to close the window since the last call.
    bool takeCloseRequest() { return std::exchange(closeRequested_, false); }

    void showAbout() override {}
    void runProjectSettings() override;
    void runTrackProperties() override;
    void runMaster() override {}
    int runEffectDialog() override;
    void runDrumEdit() override {}
    void runOptions() override {}
    void runLyrics() override {}
    void runRip() override {}
    void runFxList() override {}
    void runSelectRange() override {}
    // Without a window the help cannot be shown: the message names the document to read.
    void showHelp(const std::string& helpFile) override;
    void closeWindow() override { closeRequested_ = true; }

private:
    AppContext* context_ = nullptr;
    std::optional<std::array<int32_t, 3>> effectParameters_;
    bool closeRequested_ = false;
};

}  // namespace jorv
