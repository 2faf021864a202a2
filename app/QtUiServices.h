#pragma once

#include <functional>
#include <memory>

#include "app/MainWindowWidgets.h"
#include "core/UiServices.h"

class QProgressDialog;
class QString;

namespace jorv {

// The user-interface services on Qt Widgets, for the main window.
class QtUiServices final : public UiServices {
public:
    using CommandSink = std::function<void(int id, Notification notification)>;
    QtUiServices(MainWindowWidgets& widgets, CommandSink deliver);
    ~QtUiServices() override;

    Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    void setStatus(std::string_view text) override;
    void setTitle(std::string_view text) override;
    void setChecked(int commandId, bool checked) override;
    void setEnabled(int commandId, bool enabled) override;
    void postCommand(int commandId, Notification notification) override;
    void invalidateWave() override;
    void redrawAll() override;
    void playNotificationSound() override;
    void showProgress(std::string_view caption, int64_t done, int64_t total) override;
    void endProgress() override;
    bool showCancellableProgress(std::string_view caption, int64_t done, int64_t total) override;
    void showTrackControls(int volume, int pan, bool mute) override;
    void setScrollPosition(int barId, int position) override;
    void fillTrackList(const std::vector<std::string>& titles, int selected) override;
    int selectedTrackEntry() override;
    void showRecentProjects(const std::vector<std::string>& paths) override;

private:
    void openProgress(std::string_view caption, const QString& cancelText);

    MainWindowWidgets& widgets_;
    CommandSink deliver_;
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace jorv
