#pragma once

#include "core/ProjectBlock.h"

namespace jorv {

// The drum block as the program starts: version "1.00", every pattern 32 steps of 100 ms.
// Steps and the song pattern are left as they are (zero in a fresh block).
void InitialiseDrumBlock(DrumBlock& drums);

}  // namespace jorv
