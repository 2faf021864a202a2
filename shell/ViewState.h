#pragma once

#include <cstdint>
#include <vector>

#include "core/Project.h"

namespace jorv {

// The waveform view's place in the window's client area, in pixels: its top left corner, and
// its size when the window is at its smallest (it grows with the window). The time ruler takes
// the RulerHeight pixels above it.
inline constexpr int ViewLeft = 192;
inline constexpr int RulerHeight = 16;
inline constexpr int ViewTop = 32 + RulerHeight;
inline constexpr int ViewWidth = 550;
inline constexpr int ViewHeight = 120;

// How the waveform view shows the current track.
struct ViewState {
    // The view's size in pixels as the window has made it.
    int width = ViewWidth;
    int height = ViewHeight;
    double zoom = 1.0;
    // Frames per pixel at zoom 1: the whole track fills the view.
    double framesPerPixel = 1.0;
    double scrollOffset = 0.0;
    int32_t cursorX = 0;  // x of the play cursor last drawn; 0 for none
    bool dragging = false;
    // Where the last take's dropouts lie in the track, marked until the next take.
    std::vector<uint32_t> dropoutMarks;
};

// Follows a recreation of the track buffers (framesPerTrack 0 when there are none).
void ScaleViewToTrack(ViewState& view, uint32_t framesPerTrack);

// The frame shown at client x: x is limited to the view, the frame to 0..framesPerTrack - 2.
uint32_t PixelToFrame(const ViewState& view, uint32_t framesPerTrack, int x);
// The client x at which frame is shown (it may lie outside the view).
int32_t FrameToPixel(const ViewState& view, double frame);

// Frames first..end-1.
struct FrameSpan {
    uint32_t first = 0;
    uint32_t end = 0;
};
// The frames the pixel column at client x covers: from its own frame to the next column's, at
// least that one frame; the last column reaches the track's end. Side by side the columns
// cover the frames they show once each. On a dense screen a column of the screen's pixels is a
// fraction of a pixel wide, at a fractional x.
FrameSpan ColumnFrames(const ViewState& view, uint32_t framesPerTrack, double x, double columnWidth = 1.0);

// Selecting with the left button: a press inside the view starts an empty selection there, a
// move while the button is down stretches its end to the right (never left of its start), and
// the release ends the drag. With Align to Beat both ends snap to the beat. MoveSelection
// returns whether the view needs repainting.
void PressInView(ViewState& view, Project& project, int x, int y);
bool MoveSelection(const ViewState& view, Project& project, int x);
void ReleaseInView(ViewState& view);
// Where a file dropped at client x, y goes: the frame under it inside the view (snapped as a
// press is), else the selection's start.
uint32_t DropFrame(const ViewState& view, const Project& project, int x, int y);

}  // namespace jorv
