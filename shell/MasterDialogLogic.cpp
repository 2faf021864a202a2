#include "shell/MasterDialogLogic.h"

#include <algorithm>

#include "shell/CommandIds.h"
#include "core/TrackSwitching.h"

namespace jorv {

void MasterThumbMoved(Project& project, int row, MasterBar bar, int position) {
    if (row < 0 || row >= MaxTracks) return;
    const auto value = static_cast<uint16_t>(std::clamp(position, 0, 255));
    (bar == MasterBar::Volume ? project.block.tracks[row].volume : project.block.tracks[row].pan) = value;
}

void MasterMuteClicked(Project& project, int row) {
    if (row < 0 || row >= MaxTracks) return;
    project.block.tracks[row].mute = project.block.tracks[row].mute ? 0 : 1;
}

void AcceptMaster(Project& project, UiServices& ui) {
    RefreshTrackMix(project, ui);
    ui.setChecked(cmd::Mute, project.current().mute != 0);
}

}  // namespace jorv
