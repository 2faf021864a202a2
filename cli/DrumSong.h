#pragma once

#include <cstdint>

#include "cli/Subcommand.h"
#include "core/ProjectBlock.h"

namespace jorv::cli {

// The drum block of PATTERNS, loaded as Drum Edit's Load does onto a fresh block, with the song
// of --song when given, and the event list's capacity from --entries (default 65536).
int LoadSong(SubcommandContext& context, DrumBlock& drums, uint32_t& capacity);

}  // namespace jorv::cli
