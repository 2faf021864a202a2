#include "core/Mixdown.h"

#include "core/TrackSwitching.h"

namespace jorv {

uint32_t MixSelection(Project& project) {
    if (!project.buffersReady()) return 0;
    const FrameRange range = LimitToBuffer(project, project.selectionStart, project.selectionEnd);
    PrepareOutput(project, range.start, range.end, true);
    return range.end - range.start;
}

}  // namespace jorv
