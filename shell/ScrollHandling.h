#pragma once

#include "shell/AppContext.h"
#include "core/ScrollCode.h"

namespace jorv {

// One notification of the Vol, Pan, Zoom or Pos bar (ids 201..204). Arrows step by one within
// 0..255, the thumb goes where it is dragged, and every other code changes nothing.
void HandleScroll(AppContext& context, int barId, ScrollCode code, int thumbPosition, int currentPosition);

}  // namespace jorv
