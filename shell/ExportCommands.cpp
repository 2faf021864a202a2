#include "shell/ExportCommands.h"

#include "core/Mixdown.h"
#include "core/PathParts.h"

namespace jorv {

void SaveMixdown(AppContext& context) {
    const auto path = context.ui.chooseFile({.save = true,
                                             .mustExist = false,
                                             // Replacing a file the user may need is worth one question.
                                             .confirmOverwrite = true,
                                             .filterLabel = std::string(ExportFilesLabel),
                                             .filterPattern = std::string(ExportFilesPattern),
                                             .title = "Save Wave File",
                                             .defaultExtension = ".wav",
                                             .initialFolder = context.project.exeDir,
                                             .initialFile = {}});
    if (path) WriteMixdown(context.project, *path, context.settings.exportQuality, context.ui);
}

ExportOutcome WriteMixdown(Project& project, const std::string& path, int quality, UiServices& ui) {
    if (!project.buffersReady()) return ExportOutcome::NotWritten;
    const uint32_t frames = MixSelection(project);
    const ExportOutcome outcome = ExportFrames(project.scratchBuffer.get(), frames, path, quality, ui);
    if (outcome == ExportOutcome::Written) ui.setStatus("Saved as " + LowerCaseExtension(path));
    return outcome;
}

}  // namespace jorv
