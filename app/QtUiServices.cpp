#include "app/QtUiServices.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QToolButton>
#include <QProgressDialog>
#include <QScrollBar>
#include <QSignalBlocker>

#include "shell/CommandIds.h"
#include "shell/RecentProjects.h"
#include "app/NotificationSound.h"
#include "app/QtText.h"
#include "app/TrackListBox.h"
#include "app/WaveformView.h"

namespace jorv {

QtUiServices::QtUiServices(MainWindowWidgets& widgets, CommandSink deliver)
    : widgets_(widgets), deliver_(std::move(deliver)) {}

QtUiServices::~QtUiServices() = default;

Answer QtUiServices::showMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
        case MessageKind::Warning:
            QMessageBox::critical(widgets_.window, ToQt(caption), ToQt(text));
            return Answer::Ok;
        case MessageKind::Plain: {
            QMessageBox box(QMessageBox::NoIcon, ToQt(caption), ToQt(text), QMessageBox::Ok, widgets_.window);
            box.exec();
            return Answer::Ok;
        }
        case MessageKind::Question:
            return QMessageBox::question(widgets_.window, ToQt(caption), ToQt(text),
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                       ? Answer::Yes
                       : Answer::No;
        case MessageKind::QuestionWithCancel: {
            const auto button = QMessageBox::question(widgets_.window, ToQt(caption), ToQt(text),
                                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                      QMessageBox::Cancel);
            return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
        }
    }
    return Answer::Ok;
}

std::optional<std::string> QtUiServices::chooseFile(const FileChoice& choice) {
    QFileDialog dialog(widgets_.window, ToQt(choice.title), ToQt(choice.initialFolder),
                       ToQt(choice.filterLabel) + " (" + ToQt(choice.filterPattern) + ")");
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save || !choice.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
    dialog.setDefaultSuffix(ToQt(choice.defaultExtension).remove(0, choice.defaultExtension.starts_with('.') ? 1 : 0));
    if (!choice.initialFile.empty()) dialog.selectFile(ToQt(choice.initialFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void QtUiServices::setStatus(std::string_view text) { widgets_.status->setText(ToQt(text)); }

void QtUiServices::setTitle(std::string_view text) { widgets_.window->setWindowTitle(ToQt(text)); }

void QtUiServices::setChecked(int commandId, bool checked) {
    if (auto action = widgets_.actions.find(commandId); action != widgets_.actions.end())
        action->second->setChecked(checked);
    if (auto box = widgets_.checkBoxes.find(commandId); box != widgets_.checkBoxes.end())
        box->second->setChecked(checked);
}

void QtUiServices::setEnabled(int commandId, bool enabled) {
    if (auto action = widgets_.actions.find(commandId); action != widgets_.actions.end())
        action->second->setEnabled(enabled);
    if (auto button = widgets_.buttons.find(commandId); button != widgets_.buttons.end())
        button->second->setEnabled(enabled);
}

void QtUiServices::postCommand(int commandId, Notification notification) {
    QMetaObject::invokeMethod(
        widgets_.window, [deliver = deliver_, commandId, notification] { deliver(commandId, notification); },
        Qt::QueuedConnection);
}

void QtUiServices::invalidateWave() { widgets_.wave->update(); }

void QtUiServices::redrawAll() { widgets_.window->update(); widgets_.wave->update(); }

void QtUiServices::playNotificationSound() { PlayNotificationSound(); }

// The effect runs on this thread, so the dialog is painted from here; input waits until the end.
namespace {

constexpr int ProgressSteps = 1000;

int ProgressValue(int64_t done, int64_t total) { return total > 0 ? int(done * ProgressSteps / total) : 0; }

}  // namespace

void QtUiServices::openProgress(std::string_view caption, const QString& cancelText) {
    if (progress_) return;
    progress_ = std::make_unique<QProgressDialog>(ToQt(caption), cancelText, 0, ProgressSteps, widgets_.window);
    progress_->setWindowTitle(QStringLiteral("Jorv"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
}

void QtUiServices::showProgress(std::string_view caption, int64_t done, int64_t total) {
    openProgress(caption, QString());
    progress_->setValue(ProgressValue(done, total));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The dialog is window-modal, so the user's input reaches its Cancel button and nothing else.
bool QtUiServices::showCancellableProgress(std::string_view caption, int64_t done, int64_t total) {
    openProgress(caption, QStringLiteral("Cancel"));
    progress_->setValue(ProgressValue(done, total));
    QCoreApplication::processEvents();
    return !progress_->wasCanceled();
}

void QtUiServices::endProgress() { progress_.reset(); }

void QtUiServices::showTrackControls(int volume, int pan, bool mute) {
    setScrollPosition(cmd::VolumeBar, volume);
    setScrollPosition(cmd::PanBar, pan);
    setChecked(cmd::Mute, mute);  // the menu's check mark as well as the check box
}

void QtUiServices::setScrollPosition(int barId, int position) {
    QScrollBar* bar = widgets_.scrollBars.at(barId);
    const QSignalBlocker block(bar);
    bar->setValue(position);
}

void QtUiServices::fillTrackList(const std::vector<std::string>& titles, int selected) {
    const QSignalBlocker block(widgets_.trackList);
    widgets_.trackList->clear();
    for (std::size_t i = 0; i < titles.size(); ++i) widgets_.trackList->addItem(ToQt(titles[i]), int(i));
    widgets_.trackList->setCurrentIndex(selected);
}

int QtUiServices::selectedTrackEntry() {
    const int index = widgets_.trackList->currentIndex();
    return index < 0 ? -1 : widgets_.trackList->itemData(index).toInt();
}

// "&1 /path/name.jor": the digit is the entry's mnemonic; an "&" of the path is shown as it is.
void QtUiServices::showRecentProjects(const std::vector<std::string>& paths) {
    if (widgets_.recentSeparator) widgets_.recentSeparator->setVisible(!paths.empty());
    for (int index = 0; index < MaxRecentProjects; ++index) {
        auto action = widgets_.actions.find(cmd::RecentProject + index);
        if (action == widgets_.actions.end()) continue;
        const bool shown = index < int(paths.size());
        if (shown)
            action->second->setText(QStringLiteral("&%1 ").arg(index + 1) +
                                    ToQt(paths[std::size_t(index)]).replace('&', QStringLiteral("&&")));
        action->second->setVisible(shown);
    }
}

}  // namespace jorv
