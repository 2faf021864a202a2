#pragma once

#include <string>

#include "core/Project.h"
#include "core/UiServices.h"

// The Track menu's commands, acting on the track table and the buffers.
namespace jorv {

inline constexpr std::string_view TrackTableFullMessage =
    "You have reached the maximum number of tracks.  Mix tracks down before adding more.";
inline constexpr std::string_view LastTrackMessage = "You can not delete the only remaining track.";

// The track list shows every used track's title; the current one is selected.
void FillTrackList(const Project& project, UiServices& ui);

// Each returns false when it refused (full table, last track, a name that does not fit). A new
// track's properties are the caller's to ask for.
bool AddTrack(Project& project, UiServices& ui);
bool DeleteTrack(Project& project, UiServices& ui);
bool CloneTrack(Project& project, UiServices& ui);
bool CloneMerged(Project& project, UiServices& ui);

// Mute of the current track, when a project is loaded and nothing plays; returns the track's
// mute either way, for a check box that toggled itself.
bool ToggleMute(Project& project);

}  // namespace jorv
