#pragma once

#include <string>
#include <string_view>

#include "core/ProjectBlock.h"
#include "shell/RecordFileDialogs.h"

// Drum Edit's Save and Load of drum-pattern files.
namespace jorv {

inline constexpr std::string_view DrumSaveFailedMessage = "There has been a warning error saving the .jdp file.";
inline constexpr std::string_view DrumOpenFailedMessage = "There has been an error opening the .jdp file.";

// Load returns whether a file was read.
void SaveDrumPatterns(RememberedFolders& folders, const DrumBlock& drums, const std::string& defaultFolder, UiServices& ui);
bool LoadDrumPatterns(RememberedFolders& folders, DrumBlock& drums, const std::string& defaultFolder, UiServices& ui);

}  // namespace jorv
