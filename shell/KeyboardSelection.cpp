#include "shell/KeyboardSelection.h"

#include <algorithm>
#include <cmath>

#include "shell/CommandIds.h"
#include "shell/ControlLayout.h"
#include "shell/ScrollHandling.h"
#include "core/BeatGrid.h"

namespace jorv {

namespace {

constexpr ViewKey Keys[] = {
    {"Home", cmd::CursorToStart},      {"End", cmd::CursorToEnd},         {"Left", cmd::CursorLeft},
    {"Right", cmd::CursorRight},       {"Shift+Home", cmd::SelectToStart}, {"Shift+End", cmd::SelectToEnd},
    {"Shift+Left", cmd::SelectLeft},   {"Shift+Right", cmd::SelectRight}, {"+", cmd::ZoomIn},
    {"=", cmd::ZoomIn},                {"-", cmd::ZoomOut},
};

struct Selection {
    uint32_t start;
    uint32_t end;
};

Selection Cursor(uint32_t frame) { return {frame, frame}; }

// Where Select All ends.
uint32_t LastFrame(const Project& project) { return project.framesPerTrack - 1; }

// A frame a key reached, limited to the track and snapped as a press in the view is.
uint32_t Place(const Project& project, int64_t frame) {
    const auto limited = static_cast<uint32_t>(std::clamp<int64_t>(frame, 0, LastFrame(project)));
    return project.alignToBeat ? SnapToBeat(project, limited) : limited;
}

Selection AfterKey(const Project& project, int id, int64_t step) {
    const uint32_t start = project.selectionStart;
    const uint32_t end = project.selectionEnd;
    const auto endAt = [&](int64_t frame) { return Selection{start, std::max(start, Place(project, frame))}; };
    switch (id) {
        case cmd::CursorToStart: return Cursor(0);
        case cmd::CursorToEnd: return Cursor(Place(project, LastFrame(project)));
        case cmd::CursorLeft: return Cursor(start < end ? start : Place(project, start - step));
        case cmd::CursorRight: return Cursor(start < end ? end : Place(project, end + step));
        case cmd::SelectToStart: return {0, end};
        case cmd::SelectToEnd: return endAt(LastFrame(project));
        case cmd::SelectLeft: return endAt(end - step);
        case cmd::SelectRight: return endAt(end + step);
        default: return {start, end};
    }
}

// Scrolls the view as dragging the Pos bar's thumb would, so that frame is shown: where it was
// if it is in sight, else near the middle.
void Reveal(AppContext& context, uint32_t frame) {
    const ViewState& view = context.view;
    const int32_t x = FrameToPixel(view, frame);
    if (x >= ViewLeft && x < ViewLeft + view.width) return;
    const double frames = context.project.framesPerTrack;
    const double shown = frames / view.zoom;
    const double scrollable = frames - shown;
    if (scrollable <= 0) return;
    const double position = std::round((frame - shown / 2) / scrollable * ScrollBarMaximum);
    const int thumb = static_cast<int>(std::clamp(position, 0.0, double(ScrollBarMaximum)));
    HandleScroll(context, cmd::PositionBar, ScrollCode::ThumbPosition, thumb, thumb);
}

}  // namespace

std::span<const ViewKey> ViewKeys() { return Keys; }

uint32_t KeyStep(const ViewState& view, const Project& project) {
    if (project.alignToBeat && project.beatFrames != 0) return project.beatFrames;
    return static_cast<uint32_t>(std::max(1.0, std::ceil(view.framesPerPixel / view.zoom)));
}

void MoveSelectionByKey(AppContext& context, int id) {
    Project& project = context.project;
    if (!project.projectLoaded || !project.buffersReady()) return;
    const Selection moved = AfterKey(project, id, KeyStep(context.view, project));
    const bool startMoved = id == cmd::SelectToStart;
    project.selectionStart = moved.start;
    project.selectionEnd = moved.end;
    Reveal(context, startMoved ? moved.start : moved.end);
}

void ZoomByKey(AppContext& context, int id) {
    const int position = static_cast<int>(context.view.zoom) - 1;
    const ScrollCode arrow = id == cmd::ZoomIn ? ScrollCode::LineRight : ScrollCode::LineLeft;
    HandleScroll(context, cmd::ZoomBar, arrow, position, position);
    if (context.project.projectLoaded) Reveal(context, context.project.selectionEnd);
}

}  // namespace jorv
