#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "cli/Subcommand.h"

namespace jorv::cli {

// What sk1 and tts share: the EVENTS file's entries (nothing after saying what is wrong with
// it), and the track IN loaded with its scratch buffer and the selection START..END.
std::optional<std::vector<int32_t>> ReadEventsFile(SubcommandContext& context, const std::string& path);
int PrepareTrack(SubcommandContext& context, Project& project, const std::string& in, uint32_t start, uint32_t end);

}  // namespace jorv::cli
