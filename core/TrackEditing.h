#pragma once

#include <string_view>

#include "core/Project.h"
#include "core/UiServices.h"
#include "core/WaveFile.h"

// The Edit menu's commands on the current track's selection, through the clipboard file
// clipperPath. The selection covers frames selectionStart..selectionEnd-1; a track never
// changes its length.
namespace jorv {


// What an edit did. After a failure its message has been shown and the track is as it was.
struct EditResult {
    enum class Outcome { Done, ClipUnreadable, ClipboardNotWritten };
    Outcome outcome = Outcome::Done;
    // The clipboard's LoadWave result (10 or more) when it could not be read.
    int clipLoadResult = WaveLoaded;

    bool done() const { return outcome == Outcome::Done; }
    // The number the described program returns: 0, the clipboard's LoadWave result, or -1 when
    // the clipboard could not be written.
    int code() const;
};

enum class PasteMode { Replace, Add };

EditResult CopySelection(Project& project, UiServices& ui);
// Cut leaves silence, but only once the audio is safe in the clipboard.
EditResult CutSelection(Project& project, UiServices& ui);
// The clip scaled by the current track's gains replaces the selection, or is added onto it; a
// clip shorter than the selection is followed by silence.
EditResult PasteClip(Project& project, PasteMode mode, UiServices& ui);
// Each sample becomes the product of clip and track, scaled by the track's gains / 8192.
EditResult RingClip(Project& project, UiServices& ui);
// The clip is subtracted from the selection.
EditResult NegateClip(Project& project, UiServices& ui);

}  // namespace jorv
