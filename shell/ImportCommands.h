#pragma once

#include <string_view>

#include "formats/AudioImport.h"
#include "shell/AppContext.h"

namespace jorv {

// Edit > Copy From: the chosen audio file, of any format importing reads, becomes the clipboard
// (a wave file of the tracks' format copied byte for byte, anything else converted).
// What became of the file (Cancelled when none was chosen).
ImportReport CopyFromFile(AppContext& context);

inline constexpr std::string_view ImportCutAtTrackEndMessage =
    "The audio is longer than the rest of the track: it was cut at the track's end.";

// File > Import Audio: Copy From, then Paste over as many frames from the selection's start as
// the file holds (up to the track's end), which stay selected.
void ImportAudioIntoTrack(AppContext& context);

// The file in context.drop, dropped on the window: a project file opens as File > Open opens it
// (the save question first), any other file is imported as Import Audio does, at the frame it
// was dropped on.
void DropFile(AppContext& context);

}  // namespace jorv
