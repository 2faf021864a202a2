#pragma once

#include <string>

#include "formats/AudioExport.h"
#include "shell/AppContext.h"

namespace jorv {

// File > Save Wave: asks for a file and writes the mix of the selection there, in the type its
// extension names, at the lossy quality Options sets.
void SaveMixdown(AppContext& context);

// Writes the mix of the selection to path; "Saved as .EXT" only once it is written. Without
// buffers nothing is written.
ExportOutcome WriteMixdown(Project& project, const std::string& path, int quality, UiServices& ui);

}  // namespace jorv
