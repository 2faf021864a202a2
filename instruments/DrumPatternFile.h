#pragma once

#include <string>

#include "core/ProjectBlock.h"

// Drum-pattern files (".jdp"): the drum block's 20144 bytes as they stand.
namespace jorv {

// Writes the whole block, replacing the file only once every byte is written.
bool WriteDrumPatternFile(const DrumBlock& drums, const std::string& path);
// Reads up to the block's size into it; a shorter file leaves the rest of the block as it was.
// Nothing is checked. False when the file cannot be opened for reading.
bool ReadDrumPatternFile(DrumBlock& drums, const std::string& path);

}  // namespace jorv
