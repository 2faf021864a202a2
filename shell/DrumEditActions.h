#pragma once

#include <optional>
#include <string>

#include "shell/AppContext.h"

// The Drum Edit dialog's buttons that reach beyond the drum block: the player, the files and
// the beat of the view.
namespace jorv {

// Audition plays the box's song when nothing plays; Stop Audition stops what plays.
void AuditionDrums(AppContext& context, std::u16string_view songText);
void StopAuditionDrums(AppContext& context);
// The dialog is gone: any song it started stops.
void DrumEditClosed(AppContext& context);

void SaveDrumEditPatterns(AppContext& context);
// The loaded song's text, to go into the box at its caret; nothing when no file was loaded.
std::optional<std::u16string> LoadDrumEditPatterns(AppContext& context);

// OK: the song and the beat of pattern 0.
void AcceptDrumEditDialog(AppContext& context, std::u16string_view songText);

}  // namespace jorv
