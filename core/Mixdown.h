#pragma once

#include "core/Project.h"
#include "core/UiServices.h"

namespace jorv {

// Save Wave: asks for a file and writes the mix of every audible track over the selection;
// "Saved as .wav" only once it is written.
void SaveMixdown(Project& project, UiServices& ui);

}  // namespace jorv
