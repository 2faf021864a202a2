#pragma once

#include <optional>
#include <string>

#include "shell/AppContext.h"

// The File menu's project commands and the Project Settings dialog's buttons.
namespace jorv {

inline constexpr std::string_view SaveChangesCaption = "Save Jorv Project";

inline constexpr std::string_view ProjectInUseMessage =
    "This project is open in another Jorv. Close it there first.";

// File > Save: the current track and every working copy become the saved track files, then the
// project file is written; the working folder is then empty. False after a message when a file
// could not be written (the work then stays).
bool SaveWork(AppContext& context);

// Before New, Open or closing the window drop the project: when the current track or the
// project has changes that are not saved, asks whether to save them. Yes saves (false when
// that failed), No drops them, Cancel returns false: the command does not go on. Whenever it
// returns true the working folder is gone.
bool OfferToSaveChanges(AppContext& context);

// Closing the window: a running take is placed first, then the offer above.
bool MayCloseProject(AppContext& context);

// File > Open: offer to save, read a project file, reopen the devices at its size, select track 0.
void OpenProjectCommand(AppContext& context);
// The same for a project file named on the command line (a relative path is taken from the
// current folder).
void OpenProjectFileCommand(AppContext& context, const std::string& path);

// After Project Settings closes: the project lives beside the program under its name.
void AfterProjectSettings(AppContext& context);

// The "..." button: choose a file for the field (a new name may be typed) and load it if it
// is a project. Returns the memory size to select in the list when a project was loaded.
std::optional<int> BrowseProjectSettings(AppContext& context, std::string& fileField);

// OK: false (dialog stays) when the name is refused; otherwise the devices are reopened at the
// new size and the project continues (loaded) or gets its first track (new).
bool AcceptProjectSettingsDialog(AppContext& context, int memPerTrackMB, const std::string& fileField);

// The shared chooser of a dialog's file field: starts from the field's file and folder and puts
// the chosen path into the field; cancel leaves it as it was.
void ChooseFileForField(UiServices& ui, std::string& field, FileChoice choice);

}  // namespace jorv
