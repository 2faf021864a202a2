#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/AppContext.h"
#include "shell/AppPaths.h"
#include "app/MainWindowWidgets.h"
#include "app/QtUiServices.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"

class QMenu;
class QScrollBar;

namespace jorv {

class HelpWindow;
struct ControlEntry;
struct MenuEntry;

// The fixed-size main window: the menu bar, the controls at their places, and the command
// spine behind them.
class MainWindow final : public QMainWindow, public ShellWindow {
    Q_OBJECT
public:
    // projectFile: a project to open instead of starting a new one (from the command line).
    explicit MainWindow(const AppFolders& folders, const std::string& projectFile = {});
    // A window destroyed without being closed still stops the devices before its buffers go.
    ~MainWindow() override;

    AppContext& context() { return context_; }

    void showAbout() override;
    void runProjectSettings() override;
    void runTrackProperties() override;
    void runMaster() override;
    int runEffectDialog() override;
    void runDrumEdit() override;
    void runOptions() override;
    void runLyrics() override;
    void runRip() override;
    void runFxList() override;
    void runSelectRange() override;
    void showHelp(const std::string& helpFile) override;
    void closeWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A file dropped anywhere on the window: a project opens, audio is imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void deliver(int id, Notification notification);
    void scrolled(QScrollBar* bar, int id, int action);
    void buildMenus();
    void addMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    void addRecentProjectEntries(QMenu* menu);
    void buildControls();
    void addControl(QWidget* client, const ControlEntry& entry);
    void watchDevices();
    void followView();
    bool eventFilter(QObject* watched, QEvent* event) override;

    MainWindowWidgets widgets_;
    QtUiServices ui_;
    std::unique_ptr<WaveDevice> device_ = MakeSystemWaveDevice();
    WaveEngine wave_{*device_};
    AppContext context_;
    bool shutDown_ = false;
    QElapsedTimer sinceWatched_;
    // The controls as placed in the smallest window, moved with the client area's edges.
    std::vector<std::pair<QWidget*, const ControlEntry*>> placed_;
    // What the ruler was last drawn for: it is repainted when any of it changes.
    using RulerKey = std::tuple<double, double, double, int, uint32_t, bool>;
    RulerKey rulerDrawn_{};
    HelpWindow* help_ = nullptr;  // made when first asked for, then kept with its place in the document
};

}  // namespace jorv
