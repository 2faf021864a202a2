#pragma once

#include <string_view>
#include <vector>

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
};

struct ControlEntry {
    ControlKind kind;
    std::string_view text;  // caption, or the tooltip of an icon button
    int id;                 // command or control id; 0 for labels, the status line and the view
    int x, y, width, height;
    std::string_view icon;  // resource icon of a tool button; empty for none
    bool sunken;            // tool buttons of the transport group have a sunken edge
};

// The level meters and the dropout count stand in a strip right of the view.
inline constexpr int MeterStripWidth = 64;
inline constexpr int ClientWidth = 742 + MeterStripWidth;
inline constexpr int ClientHeight = 176;
inline constexpr int ScrollBarMaximum = 255;

const std::vector<ControlEntry>& MainWindowControls();

}  // namespace jorv
