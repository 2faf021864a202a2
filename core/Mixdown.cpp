#include "core/Mixdown.h"

#include "core/TrackSwitching.h"
#include "core/WaveFile.h"

namespace jorv {

void SaveMixdown(Project& project, UiServices& ui) {
    const auto path = ui.chooseFile({.save = true,
                                     .mustExist = false,
                                     // Replacing a file the user may need is worth one question.
                                     .confirmOverwrite = true,
                                     .filterLabel = "Wave Files",
                                     .filterPattern = "*.wav",
                                     .title = "Save Wave File",
                                     .defaultExtension = ".wav",
                                     .initialFolder = project.exeDir,
                                     .initialFile = {}});
    if (!path || !project.buffersReady()) return;
    const FrameRange range = LimitToBuffer(project, project.selectionStart, project.selectionEnd);
    PrepareOutput(project, range.start, range.end, true);
    if (SaveWave(0, range.end - range.start, *path, project.scratchBuffer.get(), ui) == 0) ui.setStatus("Saved as .wav");
}

}  // namespace jorv
