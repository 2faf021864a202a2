#include "core/Mixdown.h"

#include "core/TrackSwitching.h"

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
    if (path) WriteMixdown(project, *path, ui);
}

WaveSaveResult WriteMixdown(Project& project, const std::string& path, UiServices& ui) {
    if (!project.buffersReady()) return WaveNotSaved;
    const FrameRange range = LimitToBuffer(project, project.selectionStart, project.selectionEnd);
    PrepareOutput(project, range.start, range.end, true);
    const WaveSaveResult saved = SaveWave(0, range.end - range.start, path, project.scratchBuffer.get(), ui);
    if (saved == WaveSaved) ui.setStatus("Saved as .wav");
    return saved;
}

}  // namespace jorv
