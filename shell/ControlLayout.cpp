#include "shell/ControlLayout.h"

#include <algorithm>

#include "shell/ViewState.h"
#include "shell/CommandIds.h"

namespace jorv {

namespace {

constexpr int MeterStripLeft = ViewLeft + ViewWidth;

constexpr ControlAnchor Fixed{};
constexpr ControlAnchor FillsBoth{false, false, true, true};
constexpr ControlAnchor FillsWidth{false, false, true, false};
constexpr ControlAnchor BottomFillsWidth{false, true, true, false};
constexpr ControlAnchor Bottom{false, true, false, false};
constexpr ControlAnchor RightFillsHeight{true, false, false, true};
constexpr ControlAnchor BottomRight{true, true, false, false};

ControlEntry Tool(int x, int id, std::string_view tip, std::string_view icon, bool sunken) {
    return {ControlKind::ToolButton, tip, id, x, 0, 32, 32, icon, sunken, Fixed};
}

ControlEntry Control(ControlKind kind, std::string_view text, int id, int x, int y, int w, int h,
                     ControlAnchor anchor = Fixed) {
    return {kind, text, id, x, y, w, h, {}, false, anchor};
}

std::vector<ControlEntry> BuildControls() {
    using K = ControlKind;
    return {
        Tool(0, cmd::New, "New", "new", false),
        Tool(32, cmd::Open, "Open", "open", false),
        Tool(64, cmd::Save, "Save", "save", false),
        Tool(96, cmd::ProjectProperties, "Project properties", "properties", false),
        Tool(134, cmd::Cut, "Cut", "cut", false),
        Tool(166, cmd::Copy, "Copy", "copy", false),
        Tool(198, cmd::Paste, "Paste", "paste", false),
        Tool(230, cmd::Undo, "Undo", "undo", false),
        Tool(270, cmd::Play, "Play", "play", true),
        Tool(302, cmd::Record, "Record", "record", true),
        Tool(334, cmd::Stop, "Stop", "stop", true),
        Tool(374, cmd::DrumMachine, "Drum Machine", "drums", true),
        Tool(406, cmd::MidiSequencer, "Midi Sequencer", "sequencer", true),
        Tool(438, cmd::FxList, "&Fx", {}, true),
        Tool(470, cmd::Master, "Master", "master", true),
        Control(K::TrackList, {}, cmd::TrackList, 510, 0, 128, 400),
        Tool(646, cmd::AddTrack, "Add track", "add-track", false),
        Tool(678, cmd::TrackProperties, "Track properties", "properties", false),
        Tool(710, cmd::DeleteTrack, "Delete track", "delete-track", false),
        Control(K::CheckBox, "Mute", cmd::Mute, 96, 32, 96, 24),
        Control(K::Label, "Vol", 0, 10, 56, 54, 24),
        Control(K::ScrollBar, {}, cmd::VolumeBar, 64, 56, 128, 24),
        Control(K::Label, "Pan", 0, 10, 80, 54, 24),
        Control(K::ScrollBar, {}, cmd::PanBar, 64, 80, 128, 24),
        Control(K::Label, "Zoom", 0, 10, 104, 54, 24),
        Control(K::ScrollBar, {}, cmd::ZoomBar, 64, 104, 128, 24),
        Control(K::CheckBox, "Merge", cmd::MergeRecord, 10, 128, 86, 24),
        Control(K::CheckBox, "Drums", cmd::ActivateDrums, 96, 128, 96, 24),
        Control(K::StatusLine, "Uninitialized", 0, 10, ViewTop + ViewHeight, 182, 24, Bottom),
        Control(K::ScrollBar, {}, cmd::PositionBar, ViewLeft, ViewTop + ViewHeight, ViewWidth, 24, BottomFillsWidth),
        Control(K::TimeRuler, {}, 0, ViewLeft, ViewTop - RulerHeight, ViewWidth, RulerHeight, FillsWidth),
        Control(K::WaveView, {}, 0, ViewLeft, ViewTop, ViewWidth, ViewHeight, FillsBoth),
        Control(K::PlayedMeter, "Play", 0, MeterStripLeft + 2, ViewTop, 30, ViewHeight, RightFillsHeight),
        Control(K::RecordedMeter, "Rec", 0, MeterStripLeft + 32, ViewTop, 30, ViewHeight, RightFillsHeight),
        Control(K::DropoutCount, {}, 0, MeterStripLeft, ViewTop + ViewHeight, MeterStripWidth, 24, BottomRight),
        Control(K::SelectionReadout, {}, 0, 10, ViewTop + ViewHeight + 24, ClientWidth - 20, ReadoutHeight,
                BottomFillsWidth),
    };
}

}  // namespace

ControlGeometry PlaceControl(const ControlEntry& entry, int clientWidth, int clientHeight) {
    const int wider = std::max(clientWidth - ClientWidth, 0), taller = std::max(clientHeight - ClientHeight, 0);
    const ControlAnchor& a = entry.anchor;
    return {entry.x + (a.followsRight ? wider : 0), entry.y + (a.followsBottom ? taller : 0),
            entry.width + (a.growsWide ? wider : 0), entry.height + (a.growsTall ? taller : 0)};
}

const std::vector<ControlEntry>& MainWindowControls() {
    static const std::vector<ControlEntry> controls = BuildControls();
    return controls;
}

}  // namespace jorv
