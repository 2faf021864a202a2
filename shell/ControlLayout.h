#pragma once

#include <string_view>
#include <vector>

#include "shell/ViewState.h"

// The main window's controls in client coordinates, as data shared by the window and its tests.
namespace jorv {

enum class ControlKind {
    ToolButton,
    TrackList,
    CheckBox,
    Label,
    ScrollBar,
    StatusLine,
    WaveView,
    PlayedMeter,
    RecordedMeter,
    DropoutCount,
    TimeRuler,
    SelectionReadout,
};

// How a control follows the window when it is larger than its smallest size: whether it moves
// with the right edge or the bottom, and whether it grows wider or taller by as much.
struct ControlAnchor {
    bool followsRight = false;
    bool followsBottom = false;
    bool growsWide = false;
    bool growsTall = false;
};

struct ControlGeometry {
    int x, y, width, height;
    bool operator==(const ControlGeometry&) const = default;
};

struct ControlEntry {
    ControlKind kind;
    std::string_view text;  // caption, or the tooltip of an icon button
    int id;                 // command or control id; 0 for labels, the status line and the view
    int x, y, width, height;
    std::string_view icon;  // resource icon of a tool button; empty for none
    bool sunken;            // tool buttons of the transport group have a sunken edge
    ControlAnchor anchor;   // the place above is the one in the smallest window
};

// The level meters and the dropout count stand in a strip right of the view, and the readout of
// the selection in a row under everything.
inline constexpr int MeterStripWidth = 64;
inline constexpr int ReadoutHeight = 20;
// The client area of the smallest window.
inline constexpr int ClientWidth = 742 + MeterStripWidth;
inline constexpr int ClientHeight = 176 + RulerHeight + ReadoutHeight;
inline constexpr int ScrollBarMaximum = 255;

const std::vector<ControlEntry>& MainWindowControls();

// Where a control stands in a client area of the given size (never smaller than the smallest).
ControlGeometry PlaceControl(const ControlEntry& entry, int clientWidth, int clientHeight);

}  // namespace jorv
