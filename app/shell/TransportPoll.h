#pragma once

#include "app/shell/AppContext.h"

namespace jorv {

// Called often while the window runs: posts Stop when the play position passes the selection
// end, and when the output reports its buffer done.
void PollTransport(AppContext& context);

}  // namespace jorv
