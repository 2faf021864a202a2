#pragma once

#include <string>
#include <string_view>

#include "core/ProjectBlock.h"
#include "core/UiServices.h"
#include "instruments/DrumEditor.h"

// Drum-pattern files (".jdp"): the drum block's 20144 bytes as they stand.
namespace jorv {

inline constexpr std::string_view DrumSaveFailedMessage = "There has been a warning error saving the .jdp file.";
inline constexpr std::string_view DrumOpenFailedMessage = "There has been an error opening the .jdp file.";

// Writes the whole block, replacing the file only once every byte is written.
bool WriteDrumPatternFile(const DrumBlock& drums, const std::string& path);
// Reads up to the block's size into it; a shorter file leaves the rest of the block as it was.
// Nothing is checked. False when the file cannot be opened for reading.
bool ReadDrumPatternFile(DrumBlock& drums, const std::string& path);

// Save and Load with their dialogs, starting in the folder each used last (else in
// defaultFolder), and their messages. Load returns whether a file was read.
void SaveDrumPatterns(DrumEditorState& state, const DrumBlock& drums, const std::string& defaultFolder, UiServices& ui);
bool LoadDrumPatterns(DrumEditorState& state, DrumBlock& drums, const std::string& defaultFolder, UiServices& ui);

}  // namespace jorv
