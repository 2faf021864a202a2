#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/UiServices.h"

namespace jorv::test {

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageKind kind;
};

struct PostedCommand {
    int id;
    Notification notification;
    bool operator==(const PostedCommand&) const = default;
};

// Records everything the logic asks of the user interface and answers questions and file
// choosers from a script (No and Cancel once the script runs out).
class RecordingUiServices final : public UiServices {
public:
    Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    void setStatus(std::string_view text) override { status = text; }
    void setTitle(std::string_view text) override { title = text; }
    void setChecked(int commandId, bool checked) override { checks[commandId] = checked; }
    void setEnabled(int commandId, bool enabled) override { enabled_[commandId] = enabled; }
    bool enabled(int commandId) const { return !enabled_.count(commandId) || enabled_.at(commandId); }
    void postCommand(int commandId, Notification notification) override { posted.push_back({commandId, notification}); }
    void invalidateWave() override { ++waveInvalidations; }
    void redrawAll() override { ++fullRedraws; }
    void playNotificationSound() override { ++notificationSounds; }
    void showProgress(std::string_view caption, int64_t done, int64_t total) override {
        progressCaption = caption;
        progress.push_back(double(done) / double(total));
    }
    void endProgress() override { ++progressEnded; }
    bool showCancellableProgress(std::string_view caption, int64_t done, int64_t total) override {
        showProgress(caption, done, total);
        return progress.size() < cancelAfterProgressSteps;
    }
    void showTrackControls(int volume, int pan, bool mute) override { shownControls.push_back({volume, pan, mute}); }
    void setScrollPosition(int barId, int position) override { scrollPositions[barId] = position; }
    void fillTrackList(const std::vector<std::string>& titles, int selected) override;
    int selectedTrackEntry() override { return trackListSelection; }
    void showRecentProjects(const std::vector<std::string>& paths) override { recentProjects = paths; }

    // Messages of one caption, in order.
    std::vector<std::string> textsWithCaption(std::string_view caption) const;

    std::vector<RecordedMessage> messages;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> fileChoices;
    std::vector<FileChoice> fileRequests;

    std::string status = "Uninitialized";
    std::string title = "Jorv";
    std::map<int, bool> checks;
    std::map<int, int> scrollPositions;
    std::deque<PostedCommand> posted;
    int waveInvalidations = 0;
    int fullRedraws = 0;
    int notificationSounds = 0;
    std::string progressCaption;
    std::vector<double> progress;
    int progressEnded = 0;
    // Cancel is pressed once this many steps of a cancellable progress have been shown.
    std::size_t cancelAfterProgressSteps = SIZE_MAX;

    struct Controls {
        int volume, pan;
        bool mute;
        bool operator==(const Controls&) const = default;
    };
    std::vector<Controls> shownControls;
    std::vector<std::string> trackList;
    int trackListSelection = -1;
    std::vector<std::string> recentProjects;  // as the File menu last showed them
    std::map<int, bool> enabled_;
};

}  // namespace jorv::test
