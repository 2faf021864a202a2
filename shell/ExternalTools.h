#pragma once

#include <string>

#include "shell/AppContext.h"

namespace jorv {

// Audio Mixer, Midi Sequencer and Help > Index: opens the path; an empty one opens nothing.
// The classic mixer's name stands for the desktop's, pavucontrol.
void LaunchExternal(AppContext& context, const std::string& path);

}  // namespace jorv
