#pragma once

#include <string_view>

#include "core/Project.h"
#include "core/UiServices.h"

// The Edit menu's commands on the current track's selection, through the clipboard file
// clipperPath. The selection covers frames selectionStart..selectionEnd-1; a track never
// changes its length. Each returns 0, or the clipboard's LoadWave code from 10 on, or -1 when
// the clipboard could not be written; the message has then been shown and the track is as it was.
namespace jorv {

inline constexpr std::string_view CopyFromFailedMessage = "Could not copy wave file.";

enum class PasteMode { Replace, Add };

int CopySelection(Project& project, UiServices& ui);
// Cut leaves silence, but only once the audio is safe in the clipboard.
int CutSelection(Project& project, UiServices& ui);
// The clip scaled by the current track's gains replaces the selection, or is added onto it; a
// clip shorter than the selection is followed by silence.
int PasteClip(Project& project, PasteMode mode, UiServices& ui);
// Each sample becomes the product of clip and track, scaled by the track's gains / 8192.
int RingClip(Project& project, UiServices& ui);
// The clip is subtracted from the selection.
int NegateClip(Project& project, UiServices& ui);
// Goes back to the track's wave file when the buffer holds changes.
void UndoTrack(Project& project, UiServices& ui);
// Asks for a wave file and copies it over the clipboard.
void CopyFromFile(Project& project, UiServices& ui);

}  // namespace jorv
