#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "core/SilentUiServices.h"

namespace jorv {

// The user interface of a scripted session: every status text, message and question is printed
// as one line, in order; questions take the answers and file choosers the names the script
// gave, in turn; posted commands wait in a queue for the session to deliver.
class ScriptedUiServices final : public SilentUiServices {
public:
    struct Posted {
        int id;
        Notification notification;
    };

    explicit ScriptedUiServices(std::ostream& out) : out_(out) {}

    Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    void setStatus(std::string_view text) override;
    void postCommand(int commandId, Notification notification) override { posted_.push_back({commandId, notification}); }
    int selectedTrackEntry() override { return trackEntry; }

    void giveAnswer(Answer answer) { answers_.push_back(answer); }
    void giveFile(const std::string& path) { files_.push_back(path); }
    std::optional<Posted> takePosted();
    // Whether an error message was shown (a warning is not one).
    bool failureShown() const { return failureShown_; }

    // The entry the track list reports as selected.
    int trackEntry = -1;

private:
    std::ostream& out_;
    std::deque<Answer> answers_;
    std::deque<std::string> files_;
    std::deque<Posted> posted_;
    bool failureShown_ = false;
};

}  // namespace jorv
