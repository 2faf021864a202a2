#include "shell/ViewState.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/BeatGrid.h"

namespace jorv {

namespace {

uint32_t FrameUnderPointer(const ViewState& view, const Project& project, int x) {
    const uint32_t frame = PixelToFrame(view, project.framesPerTrack, x);
    return project.alignToBeat ? SnapToBeat(project, frame) : frame;
}

// The frame at client x (a fraction of a pixel on a dense screen), before it is limited to the
// track.
double FrameAt(const ViewState& view, double x) {
    const double offset = std::clamp(x - ViewLeft, 0.0, double(view.width));
    return offset / view.zoom * view.framesPerPixel + view.scrollOffset;
}

uint32_t FrameWithinTrack(double frame, uint32_t framesPerTrack) {
    // The upper limit first, so that a buffer of fewer than two frames still gives frame 0.
    frame = std::min(frame, double(framesPerTrack) - 2);
    frame = std::max(frame, 0.0);
    return static_cast<uint32_t>(frame);
}

bool InView(const ViewState& view, int x, int y) {
    return x >= ViewLeft && x <= ViewLeft + view.width && y >= ViewTop && y <= ViewTop + view.height;
}

}  // namespace

void ScaleViewToTrack(ViewState& view, uint32_t framesPerTrack) {
    view.framesPerPixel = framesPerTrack != 0 ? framesPerTrack / double(view.width) : 1.0;
}

uint32_t PixelToFrame(const ViewState& view, uint32_t framesPerTrack, int x) {
    return FrameWithinTrack(FrameAt(view, x), framesPerTrack);
}

int32_t FrameToPixel(const ViewState& view, double frame) {
    const double x = (frame - view.scrollOffset) / view.framesPerPixel * view.zoom + ViewLeft;
    constexpr double Limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::trunc(x), -Limit, Limit));
}

FrameSpan ColumnFrames(const ViewState& view, uint32_t framesPerTrack, double x, double columnWidth) {
    const uint32_t first = FrameWithinTrack(FrameAt(view, x), framesPerTrack);
    const double next = std::clamp(FrameAt(view, x + columnWidth), 0.0, double(framesPerTrack));
    return {first, std::max(static_cast<uint32_t>(next), first + 1)};
}

uint32_t DropFrame(const ViewState& view, const Project& project, int x, int y) {
    return InView(view, x, y) ? FrameUnderPointer(view, project, x) : project.selectionStart;
}

void PressInView(ViewState& view, Project& project, int x, int y) {
    if (!InView(view, x, y)) return;
    view.dragging = true;
    project.selectionStart = FrameUnderPointer(view, project, x);
    project.selectionEnd = project.selectionStart;
}

bool MoveSelection(const ViewState& view, Project& project, int x) {
    if (!view.dragging) return false;
    project.selectionEnd = std::max(FrameUnderPointer(view, project, x), project.selectionStart);
    return true;
}

void ReleaseInView(ViewState& view) { view.dragging = false; }

}  // namespace jorv
