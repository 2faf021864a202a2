#pragma once

#include <array>
#include <string_view>

#include "core/ProjectBlock.h"

namespace jorv {

// The General MIDI percussion the drum machine offers; row i is column i of a pattern's steps.
struct DrumInstrument {
    std::string_view name;
    int key;
};

const std::array<DrumInstrument, DrumInstrumentCount>& DrumInstruments();

}  // namespace jorv
