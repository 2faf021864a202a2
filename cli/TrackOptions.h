#pragma once

#include "cli/CliArguments.h"
#include "core/Project.h"

namespace jorv::cli {

// Makes track 0 current with the record that --volume V (default 255), --pan P (default 128)
// and --mute describe, its gains computed, and names the clipboard file by --clip (default
// clipper.wav in the current folder). False when a number is out of range.
bool ApplyTrackOptions(const Arguments& arguments, Project& project);

inline constexpr const char* TrackOptionsUsage = "[--clip FILE] [--volume V] [--pan P] [--mute]";

}  // namespace jorv::cli
