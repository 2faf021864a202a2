#pragma once

#include <cstdint>

namespace jorv {

// The waveform view's size in pixels.
inline constexpr int ViewWidth = 550;
inline constexpr int ViewHeight = 120;

// How the waveform view shows the current track.
struct ViewState {
    double zoom = 1.0;
    // Frames per pixel at zoom 1: the whole track fills the view.
    double framesPerPixel = 1.0;
    double scrollOffset = 0.0;
    int32_t cursorX = 0;  // x of the play cursor last drawn; 0 for none
    bool dragging = false;
};

// Follows a recreation of the track buffers (framesPerTrack 0 when there are none).
void ScaleViewToTrack(ViewState& view, uint32_t framesPerTrack);

}  // namespace jorv
