#pragma once

#include <cstdint>
#include <vector>

#include "cli/Subcommand.h"

namespace jorv::cli {

// What sk1 and tts share: START and END (words 2 and 3) and the track options checked, the
// EVENTS file (word 0) read into entries (after saying what is wrong with it, if anything), and
// the track IN (word 4) loaded with its scratch buffer and the selection START..END. Returns
// ExitSuccess, or the status to exit with.
int PrepareCaptureRendering(SubcommandContext& context, Project& project, std::vector<int32_t>& entries);

}  // namespace jorv::cli
