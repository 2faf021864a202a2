#include "app/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include "app/AboutDialog.h"
#include "app/ControlName.h"
#include "app/DesktopLauncher.h"
#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "app/QtText.h"
#include "shell/ControlLayout.h"
#include "app/Icons.h"
#include "shell/KeyboardSelection.h"
#include "app/LevelMeterWidget.h"
#include "app/SelectRangeDialog.h"
#include "app/TimeRulerWidget.h"
#include "app/WindowGeometry.h"
#include "shell/TimeRuler.h"
#include "app/MasterDialog.h"
#include "shell/ProjectCommands.h"
#include "shell/RecentProjects.h"
#include "app/DrumEditDialog.h"
#include "app/EffectParameterDialog.h"
#include "app/FxListDialog.h"
#include "app/HelpWindow.h"
#include "app/LyricsDialog.h"
#include "app/OptionsDialog.h"
#include "app/RipDialog.h"
#include "app/QtScrollCode.h"
#include "shell/MenuTable.h"
#include "shell/ScrollHandling.h"
#include "app/ProjectSettingsDialog.h"
#include "shell/DrumOutput.h"
#include "devices/AudioApi.h"
#include "shell/StartUp.h"
#include "app/TrackListBox.h"
#include "app/TrackPropertiesDialog.h"
#include "shell/TransportRun.h"
#include "app/WaveformView.h"

namespace jorv {

namespace {

bool IsCheckedCommand(int id) {
    return id == cmd::AlignToBeat || id == cmd::MergeRecord || id == cmd::ActivateDrums || id == cmd::Mute;
}

// How often the play position is looked at while the transport runs.
constexpr int PollMilliseconds = 10;
// How often the level meters and the dropout count are brought up to date (30 a second).
constexpr int MeterMilliseconds = 33;

// The height of the closed track list; its open list may reach 400 pixels.
constexpr int TrackListClosedHeight = 24;
constexpr int TrackListOpenHeight = 400;

}  // namespace

MainWindow::MainWindow(const AppFolders& folders, const std::string& projectFile)
    : ui_(widgets_, [this](int id, Notification notification) { deliver(id, notification); }),
      context_(ui_, wave_, *this) {
    widgets_.window = this;
    setWindowTitle(QStringLiteral("Jorv"));
    setWindowIcon(LoadIcon("jorv"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    buildMenus();
    setAcceptDrops(true);
    context_.launcher = std::make_unique<DesktopLauncher>();
    PrepareStartUp(context_, folders);
    buildControls();
    setMinimumSize(sizeHint());
    RestoreWindowGeometry(*this, context_.paths.settings);
    FinishStartUp(context_, projectFile);
    OpenDrumOutput(context_);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        if (!shutDown_) PollTransport(context_);
    });
    poll->start(PollMilliseconds);
    auto* meters = new QTimer(this);
    connect(meters, &QTimer::timeout, this, [this] {
        if (shutDown_) return;
        watchDevices();
        followView();
    });
    sinceWatched_.start();
    meters->start(MeterMilliseconds);
}

// The client area took a new size: the controls that follow its edges move or grow with it.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == centralWidget()) {
        const QSize client = centralWidget()->size();
        for (const auto& [widget, entry] : placed_) {
            const ControlGeometry place = PlaceControl(*entry, client.width(), client.height());
            widget->setGeometry(place.x, place.y, place.width, place.height);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The ruler and the readout follow the selection, the zoom and the play position.
void MainWindow::followView() {
    const Project& project = context_.project;
    const std::optional<uint64_t> position =
        project.busy ? std::optional<uint64_t>(uint64_t{project.selectionStart} + wave_.playPosition()) : std::nullopt;
    const QString readout =
        project.projectLoaded ? ToQt(SelectionReadout(project.selectionStart, project.selectionEnd, position)) : QString();
    if (widgets_.readout->text() != readout) widgets_.readout->setText(readout);
    const ViewState& view = context_.view;
    const RulerKey key{view.zoom, view.scrollOffset, view.framesPerPixel, view.width, project.framesPerTrack,
                       project.projectLoaded};
    if (key != rulerDrawn_) {
        rulerDrawn_ = key;
        widgets_.ruler->update();
    }
}

void MainWindow::watchDevices() {
    DeviceMonitor& monitor = wave_.monitor();
    const double elapsed = sinceWatched_.restart() / 1000.0;
    widgets_.playedMeter->show(monitor.played.take(), elapsed);
    widgets_.recordedMeter->show(monitor.recorded.take(), elapsed);
    // The count of the run shows while it runs, and after it only if there were dropouts.
    const uint32_t count = monitor.dropouts.count();
    const bool shown = context_.project.busy || count > 0;
    const QString text = count == 1 ? tr("1 dropout") : tr("%1 dropouts").arg(count);
    widgets_.dropouts->setText(shown ? text : QString());
    widgets_.dropouts->setStyleSheet(count > 0 ? QStringLiteral("color: #c00000") : QString());
}

void MainWindow::deliver(int id, Notification notification) {
    if (!shutDown_) RunCommand(context_, id, notification);
}

void MainWindow::buildMenus() {
    for (const MenuEntry& top : MenuBarEntries()) addMenuEntries(menuBar()->addMenu(ToQt(top.text)), top.children);
    // A command may have more than one key (Redo: Ctrl+Shift+Z and Ctrl+Y); the first is shown.
    for (const CommandShortcut& shortcut : CommandShortcuts()) {
        QAction* action = widgets_.actions.at(shortcut.id);
        action->setShortcuts(action->shortcuts() << QKeySequence(ToQt(shortcut.keys)));
    }
    // Alt+"?" and Alt+"/" both open About.
    widgets_.actions.at(cmd::About)->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
    // Space plays the selection, or stops what runs, wherever the focus is in the window.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, [this] { deliver(PlayOrStopCommand(context_.project), Notification::Clicked); });
    // The view's cursor, selection and zoom keys, likewise for the whole window.
    for (const ViewKey& key : ViewKeys()) {
        auto* shortcut = new QShortcut(QKeySequence(ToQt(key.keys)), this);
        const int id = key.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { deliver(id, Notification::Clicked); });
    }
}

void MainWindow::addMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator: menu->addSeparator(); break;
            case MenuEntry::Kind::Submenu: addMenuEntries(menu->addMenu(ToQt(entry.text)), entry.children); break;
            case MenuEntry::Kind::RecentProjects: addRecentProjectEntries(menu); break;
            case MenuEntry::Kind::Item: {
                QAction* action = menu->addAction(ToQt(entry.text));
                const int id = entry.id;
                action->setData(id);
                action->setObjectName(QStringLiteral("command%1").arg(id));
                action->setCheckable(IsCheckedCommand(id));
                connect(action, &QAction::triggered, this, [this, id] { deliver(id, Notification::Clicked); });
                widgets_.actions[id] = action;
                break;
            }
        }
    }
}

// Hidden until the list has entries; QtUiServices gives them their texts.
void MainWindow::addRecentProjectEntries(QMenu* menu) {
    widgets_.recentSeparator = menu->addSeparator();
    widgets_.recentSeparator->setVisible(false);
    for (int index = 0; index < MaxRecentProjects; ++index) {
        const int id = cmd::RecentProject + index;
        QAction* action = menu->addAction(QString());
        action->setData(id);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, id] { deliver(id, Notification::Clicked); });
        widgets_.actions[id] = action;
    }
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setMinimumSize(ClientWidth, ClientHeight);
    client->installEventFilter(this);
    for (const ControlEntry& entry : MainWindowControls()) addControl(client, entry);
    setCentralWidget(client);
}

void MainWindow::addControl(QWidget* client, const ControlEntry& entry) {
    QWidget* widget = nullptr;
    const int id = entry.id;
    switch (entry.kind) {
        case ControlKind::ToolButton: {
            auto* button = new QToolButton(client);
            if (entry.icon.empty()) {
                button->setText(ToQt(entry.text));
                button->setShortcut({});  // "&Fx" keeps its look, and Alt+F opens the File menu
            } else {
                button->setIcon(LoadIcon(entry.icon));
                button->setIconSize(QSize(24, 24));
                button->setToolTip(ToQt(entry.text).remove('&'));
            }
            button->setAutoRaise(!entry.sunken);
            connect(button, &QToolButton::clicked, this, [this, id] { deliver(id, Notification::Clicked); });
            widgets_.buttons[id] = button;
            widget = button;
            break;
        }
        case ControlKind::TrackList: {
            auto* list = new TrackListBox(client);
            list->setMaxVisibleItems(TrackListOpenHeight / TrackListClosedHeight - 1);
            connect(list, &TrackListBox::notified, this, [this, id](Notification n) { deliver(id, n); });
            widgets_.trackList = list;
            list->setGeometry(entry.x, entry.y, entry.width, TrackListClosedHeight);
            NameControl(list, id);
            return;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(ToQt(entry.text), client);
            connect(box, &QCheckBox::clicked, this, [this, id] { deliver(id, Notification::Clicked); });
            widgets_.checkBoxes[id] = box;
            widget = box;
            break;
        }
        case ControlKind::Label: widget = new QLabel(ToQt(entry.text), client); break;
        case ControlKind::StatusLine:
            widgets_.status = new QLabel(ToQt(entry.text), client);
            widgets_.status->setObjectName(QStringLiteral("status"));
            widget = widgets_.status;
            break;
        case ControlKind::ScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, client);
            bar->setRange(0, ScrollBarMaximum);
            bar->setPageStep(1);
            bar->setValue(0);
            widgets_.scrollBars[id] = bar;
            connect(bar, &QScrollBar::actionTriggered, this, [this, bar, id](int action) { scrolled(bar, id, action); });
            widget = bar;
            break;
        }
        case ControlKind::PlayedMeter:
        case ControlKind::RecordedMeter: {
            auto* meter = new LevelMeterWidget(client, ToQt(entry.text));
            (entry.kind == ControlKind::PlayedMeter ? widgets_.playedMeter : widgets_.recordedMeter) = meter;
            meter->setObjectName(entry.kind == ControlKind::PlayedMeter ? QStringLiteral("playedMeter")
                                                                         : QStringLiteral("recordedMeter"));
            widget = meter;
            break;
        }
        case ControlKind::DropoutCount:
            widgets_.dropouts = new QLabel(client);
            widgets_.dropouts->setObjectName(QStringLiteral("dropouts"));
            widgets_.dropouts->setAlignment(Qt::AlignCenter);
            widgets_.dropouts->setFont(SmallerFont(widgets_.dropouts->font()));
            widgets_.dropouts->setToolTip(tr("Dropouts the audio system reported during this play or take"));
            widget = widgets_.dropouts;
            break;
        case ControlKind::TimeRuler:
            widgets_.ruler = new TimeRulerWidget(client, context_.view, context_.project);
            widgets_.ruler->setObjectName(QStringLiteral("ruler"));
            widget = widgets_.ruler;
            break;
        case ControlKind::SelectionReadout:
            widgets_.readout = new QLabel(client);
            widgets_.readout->setObjectName(QStringLiteral("readout"));
            widgets_.readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
            widget = widgets_.readout;
            break;
        case ControlKind::WaveView:
            widgets_.wave = new WaveformView(client, context_.view, context_.project, context_.waveSummary, wave_);
            widgets_.wave->setObjectName(QStringLiteral("waveView"));
            widget = widgets_.wave;
            break;
    }
    widget->setGeometry(entry.x, entry.y, entry.width, entry.height);
    placed_.emplace_back(widget, &entry);
    if (id != 0) NameControl(widget, id);
}

// The bar moves only as the logic says: Qt's own move is taken back before it applies.
void MainWindow::scrolled(QScrollBar* bar, int id, int action) {
    const int thumb = bar->sliderPosition();
    const int current = bar->value();
    bar->setSliderPosition(current);
    HandleScroll(context_, id, ToScrollCode(action), thumb, current);
}

void MainWindow::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::runProjectSettings() {
    ProjectSettingsDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::runTrackProperties() {
    TrackPropertiesDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::runMaster() {
    MasterDialog dialog(this, context_);
    dialog.exec();
}

int MainWindow::runEffectDialog() {
    EffectParameterDialog dialog(this, context_);
    return dialog.exec();
}

MainWindow::~MainWindow() {
    if (!shutDown_) ShutDown(context_);
}

void MainWindow::runDrumEdit() {
    DrumEditDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::runOptions() {
    OptionsDialog dialog(this, context_, GatherDeviceLists(WindowAudioApi(context_.settings.audioApi)));
    dialog.exec();
}

void MainWindow::runLyrics() {
    LyricsDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::runRip() {
    RipDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::runFxList() {
    FxListDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::showHelp(const std::string& helpFile) {
    if (!help_) help_ = new HelpWindow(this);
    help_->showDocument(QString::fromStdString(helpFile));
}

void MainWindow::runSelectRange() {
    SelectRangeDialog dialog(this, context_);
    dialog.exec();
}

void MainWindow::closeWindow() { close(); }

namespace {

// The one local file a drop carries, or an empty string.
QString DroppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!shutDown_ && !DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (shutDown_ || file.isEmpty()) return;
    event->acceptProposedAction();
    const QPoint client = widgets_.wave->mapFrom(this, event->position().toPoint()) + QPoint(ViewLeft, ViewTop);
    context_.drop = {file.toStdString(), DropFrame(context_.view, context_.project, client.x(), client.y())};
    deliver(cmd::DropFile, Notification::Clicked);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_ && !MayCloseProject(context_)) {
        event->ignore();
        return;
    }
    if (!shutDown_) {
        shutDown_ = true;
        SaveWindowGeometry(*this, context_.paths.settings);
        ShutDown(context_);
    }
    event->accept();
}

}  // namespace jorv
