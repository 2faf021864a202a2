#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/AppContext.h"

// The waveform view from the keyboard: the cursor and selection keys and the zoom keys, each a
// command of its own (cmd::CursorToStart .. cmd::ZoomOut), so a key stops the transport first
// as every command does.
namespace jorv {

// A key of the main window and the command it runs; keys in the portable text form ("Shift+End").
struct ViewKey {
    std::string_view keys;
    int id;
};
// "=" zooms in as "+" does, for keyboards where "+" needs Shift.
std::span<const ViewKey> ViewKeys();

// How far Left, Right and their Shift forms move: the frames one column of the view covers at
// its zoom (at least one), or one beat while Align to Beat is on, so each press reaches the next
// beat instead of snapping back to the same one.
uint32_t KeyStep(const ViewState& view, const Project& project);

// One cursor or selection key (id from cmd::CursorToStart .. cmd::SelectRight):
// - Home, End: the cursor (an empty selection) to the track's first frame, or to where Select
//   All ends;
// - Left, Right: a selection shrinks to the cursor at its start or end; the cursor moves a step;
// - Shift+Left, Shift+Right: the selection's end moves a step, never before its start;
// - Shift+Home, Shift+End: the selection reaches back to the track's start, or on to its end.
// Frames stay within the track and snap to the beat while Align to Beat is on, as a drag's do.
// The view scrolls, as its Pos bar would, to show the frame that moved. Without a loaded track
// nothing happens.
void MoveSelectionByKey(AppContext& context, int id);

// + (cmd::ZoomIn) and - (cmd::ZoomOut): one step of the Zoom bar, as its arrows make, then the
// view scrolls to show the selection's end if zooming took it out of sight.
void ZoomByKey(AppContext& context, int id);

}  // namespace jorv
