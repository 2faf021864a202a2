#pragma once

#include <string>

#include "core/Project.h"
#include "core/UiServices.h"

// The Track menu's commands, the Track Properties dialog and the Master dialog, acting on the
// track table and the buffers.
namespace jorv {

inline constexpr std::string_view TrackTableFullMessage =
    "You have reached the maximum number of tracks.  Mix tracks down before adding more.";
inline constexpr std::string_view LastTrackMessage = "You can not delete the only remaining track.";

// The track list shows every used track's title; the current one is selected.
void FillTrackList(const Project& project, UiServices& ui);

// Each returns false when it refused (full table, last track, a name that does not fit).
bool AddTrack(Project& project, UiServices& ui);
bool DeleteTrack(Project& project, UiServices& ui);
bool CloneTrack(Project& project, UiServices& ui);
bool CloneMerged(Project& project, UiServices& ui);

// Mute of the current track, when a project is loaded and nothing plays.
void ToggleMute(Project& project, UiServices& ui);

// Track Properties OK: the title (first 15 characters kept), the list, then notification 205.
void AcceptTrackProperties(Project& project, const std::string& title, UiServices& ui);

// The Master dialog stores every change at once; OK makes the mix follow.
enum class MasterBar { Volume, Pan };
void MasterThumbMoved(Project& project, int row, MasterBar bar, int position);
void MasterMuteClicked(Project& project, int row);
void AcceptMaster(Project& project, UiServices& ui);

}  // namespace jorv
