#pragma once

#include <string_view>

#include "shell/AppContext.h"

namespace jorv {

inline constexpr std::string_view SaveAsCaption = "Save Jorv Project As";

// File > Save As: the project file and every track's wave file are written under the chosen
// name, each track as the project holds it now (the current track's buffer, the other tracks'
// working copies, else their saved files). An existing project file is replaced only after a
// question, a missing folder created only after one. The project then continues from the new
// place with nothing unsaved; the old saved files stay as they were and the old working copy
// goes. When a file cannot be written the message names it, what was written for the new name
// is removed, and the old project stays open as it was.
void SaveProjectAs(AppContext& context);

}  // namespace jorv
