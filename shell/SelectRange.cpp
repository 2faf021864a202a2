#include "shell/SelectRange.h"

#include <algorithm>

#include "core/BeatGrid.h"
#include "shell/AppContext.h"
#include "shell/TimeRuler.h"

namespace jorv {

bool ApplySelectRange(AppContext& context, std::string_view startText, std::string_view endText) {
    Project& project = context.project;
    const auto start = ParseTimeOrFrames(startText), end = ParseTimeOrFrames(endText);
    if (!start || !end) {
        context.ui.showMessage(SelectRangeUnreadableMessage, SelectRangeCaption, MessageKind::Error);
        return false;
    }
    if (*end < *start) {
        context.ui.showMessage(SelectRangeBackwardsMessage, SelectRangeCaption, MessageKind::Error);
        return false;
    }
    const uint64_t last = project.framesPerTrack > 0 ? project.framesPerTrack - 1 : 0;
    const auto limited = [&](uint64_t frame) {
        const auto within = static_cast<uint32_t>(std::min(frame, last));
        return project.alignToBeat ? std::min(SnapToBeat(project, within), static_cast<uint32_t>(last)) : within;
    };
    project.selectionStart = limited(*start);
    project.selectionEnd = std::max(limited(*end), project.selectionStart);
    return true;
}

}  // namespace jorv
