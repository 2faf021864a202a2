#pragma once

#include <string>

#include "core/Project.h"
#include "core/UiServices.h"
#include "core/WaveFile.h"

namespace jorv {

// Save Wave: asks for a file and writes the mix there.
void SaveMixdown(Project& project, UiServices& ui);
// Writes the mix of every audible track over the selection to path; "Saved as .wav" only once
// it is written. Without buffers nothing is written.
WaveSaveResult WriteMixdown(Project& project, const std::string& path, UiServices& ui);

}  // namespace jorv
