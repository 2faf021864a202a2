#include "core/Mixdown.h"

#include <algorithm>

#include "core/TrackSwitching.h"
#include "core/WaveFile.h"

namespace jorv {

void SaveMixdown(Project& project, UiServices& ui) {
    const auto path = ui.chooseFile({.save = true,
                                     .mustExist = false,
                                     .filterLabel = "Wave Files",
                                     .filterPattern = "*.wav",
                                     .title = "Save Wave File",
                                     .defaultExtension = ".wav",
                                     .initialFolder = project.exeDir,
                                     .initialFile = {}});
    if (!path || !project.buffersReady()) return;
    const uint32_t start = std::min(project.selectionStart, project.framesPerTrack);
    const uint32_t end = std::clamp(project.selectionEnd, start, project.framesPerTrack);
    PrepareOutput(project, start, end, true);
    SaveWave(0, end - start, *path, project.scratchBuffer.get(), ui);
    ui.setStatus("Saved as .wav");
}

}  // namespace jorv
