#pragma once

#include "shell/AppContext.h"

namespace jorv {

// Edit > Copy From: the chosen audio file, of any format importing reads, becomes the clipboard
// (a wave file of the tracks' format copied byte for byte, anything else converted).
void CopyFromFile(AppContext& context);

}  // namespace jorv
