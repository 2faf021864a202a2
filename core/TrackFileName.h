#pragma once

#include <string>
#include <string_view>

#include "core/ProjectBlock.h"
#include "core/UiServices.h"

namespace jorv {

// "dir/name.jor", the project file.
std::string ProjectFilePath(std::string_view folder, std::string_view projectName);

// "dir/name-title.wav", the wave file of a track.
std::string TrackWaveFilePath(std::string_view folder, std::string_view projectName, std::string_view title);

inline constexpr std::string_view PathTooLongMessage =
    "The track's wave file path is too long for the project.  Move Jorv to a shorter folder or "
    "choose a shorter project name.";

// Sets the track's waveFile to the path built from folder, project name and title. A path that
// does not fit the field is refused with a message and leaves the field as it was.
bool AssignTrackWaveFile(Track& track, std::string_view folder, std::string_view projectName, std::string_view title,
                         UiServices& ui);

}  // namespace jorv
