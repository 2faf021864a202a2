#pragma once

#include "app/shell/AppContext.h"

namespace jorv {

// Called often while the window runs: posts Stop when the play position passes the selection
// end, and when the output reports its buffer done; until then asks the view to move the
// play cursor.
void PollTransport(AppContext& context);

}  // namespace jorv
