#pragma once

#include <map>

class QAction;
class QCheckBox;
class QLabel;
class QMainWindow;
class QScrollBar;
class QToolButton;

namespace jorv {

class LevelMeterWidget;
class TimeRulerWidget;
class TrackListBox;
class WaveformView;

// The main window's widgets that the user-interface services update.
struct MainWindowWidgets {
    QMainWindow* window = nullptr;
    QLabel* status = nullptr;
    WaveformView* wave = nullptr;
    LevelMeterWidget* playedMeter = nullptr;
    LevelMeterWidget* recordedMeter = nullptr;
    QLabel* dropouts = nullptr;
    TimeRulerWidget* ruler = nullptr;
    QLabel* readout = nullptr;
    TrackListBox* trackList = nullptr;
    std::map<int, QScrollBar*> scrollBars;  // by control id
    std::map<int, QCheckBox*> checkBoxes;  // by command id
    std::map<int, QAction*> actions;       // menu items by command id
    QAction* recentSeparator = nullptr;    // before the recent projects in the File menu
    std::map<int, QToolButton*> buttons;   // toolbar buttons by command id
};

}  // namespace jorv
