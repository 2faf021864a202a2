#pragma once

#include <optional>
#include <string>
#include <string_view>

// Menu commands named by their path, as a script names them: the menu texts without "&" and
// without a trailing "...", joined by " > ", in any case ("Edit > Paste Special > Merge").
namespace jorv {

// The command id of the menu item at path, or nothing when no item has that path.
std::optional<int> FindMenuCommand(std::string_view path);

// What the status line calls a command's step after Undo or Redo: its menu text without "&" and
// "..." ("Cut", "Gain"); a take is placed by Stop, so its step is "Record".
std::string StepName(int commandId);

}  // namespace jorv
