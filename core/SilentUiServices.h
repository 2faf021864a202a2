#pragma once

#include "core/UiServices.h"

namespace jorv {

// A user interface that shows nothing: messages are dropped, questions answered No, and the
// file chooser gives chosenFile. What runs the engine without a window starts from it and
// overrides what it shows.
class SilentUiServices : public UiServices {
public:
    Answer showMessage(std::string_view, std::string_view, MessageKind kind) override {
        return IsQuestion(kind) ? Answer::No : Answer::Ok;
    }
    std::optional<std::string> chooseFile(const FileChoice&) override { return chosenFile; }
    void setStatus(std::string_view) override {}
    void setTitle(std::string_view) override {}
    void setChecked(int, bool) override {}
    void setEnabled(int, bool) override {}
    void postCommand(int, Notification) override {}
    void invalidateWave() override {}
    void redrawAll() override {}
    void playNotificationSound() override {}
    void showProgress(std::string_view, int64_t, int64_t) override {}
    void endProgress() override {}
    void showTrackControls(int, int, bool) override {}
    void setScrollPosition(int, int) override {}
    void fillTrackList(const std::vector<std::string>&, int) override {}
    int selectedTrackEntry() override { return -1; }

    // The file that stands for every file the user would choose.
    std::optional<std::string> chosenFile;
};

}  // namespace jorv
