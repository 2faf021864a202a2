#include "app/shell/ViewState.h"

namespace jorv {

void ScaleViewToTrack(ViewState& view, uint32_t framesPerTrack) {
    view.framesPerPixel = framesPerTrack != 0 ? framesPerTrack / double(ViewWidth) : 1.0;
}

}  // namespace jorv
