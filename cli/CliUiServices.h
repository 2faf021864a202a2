#pragma once

#include <ostream>

#include "core/UiServices.h"

namespace jorv::cli {

// Messages go to standard error as "CAPTION: TEXT"; questions are answered No unless --yes.
class CliUiServices final : public UiServices {
public:
    CliUiServices(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    // The file named on the command line stands for every file the user would choose.
    std::optional<std::string> chooseFile(const FileChoice&) override { return chosenFile; }
    std::optional<std::string> chosenFile;
    void setStatus(std::string_view) override {}
    void setTitle(std::string_view) override {}
    void setChecked(int, bool) override {}
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

private:
    std::ostream& err_;
    bool answerYes_;
};

}  // namespace jorv::cli
