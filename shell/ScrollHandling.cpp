#include "shell/ScrollHandling.h"

#include <algorithm>
#include <optional>

#include "shell/CommandIds.h"
#include "shell/ControlLayout.h"
#include "core/Gains.h"
#include "core/ProjectFile.h"

namespace jorv {

namespace {

std::optional<int> NewPosition(ScrollCode code, int thumbPosition, int currentPosition) {
    switch (code) {
        case ScrollCode::LineLeft: return std::max(currentPosition - 1, 0);
        case ScrollCode::LineRight: return std::min(currentPosition + 1, ScrollBarMaximum);
        case ScrollCode::ThumbTrack:
        case ScrollCode::ThumbPosition: return std::clamp(thumbPosition, 0, ScrollBarMaximum);
        default: return std::nullopt;
    }
}

}  // namespace

void HandleScroll(AppContext& context, int barId, ScrollCode code, int thumbPosition, int currentPosition) {
    const auto position = NewPosition(code, thumbPosition, currentPosition);
    if (!position) return;
    Project& project = context.project;
    ViewState& view = context.view;
    context.ui.setScrollPosition(barId, *position);
    switch (barId) {
        case cmd::VolumeBar:
            project.current().volume = static_cast<uint16_t>(*position);
            ComputeGains(project);
            break;
        case cmd::PanBar:
            project.current().pan = static_cast<uint16_t>(*position);
            ComputeGains(project);
            break;
        case cmd::ZoomBar:
            view.zoom = *position + 1;
            context.ui.redrawAll();
            break;
        case cmd::PositionBar: {
            const double frames = project.framesPerTrack;
            view.scrollOffset = (frames - frames / view.zoom) * *position / ScrollBarMaximum;
            context.ui.redrawAll();
            break;
        }
        default: break;
    }
    // A track's volume and pan are saved with the project.
    RefreshProjectTitle(project, context.ui);
}

}  // namespace jorv
