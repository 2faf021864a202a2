#include "shell/ExportCommands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/Mixdown.h"

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
    if (outcome == ExportOutcome::Written) {
        std::string extension = std::filesystem::path(path).extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        ui.setStatus("Saved as " + extension);
    }
    return outcome;
}

}  // namespace jorv
