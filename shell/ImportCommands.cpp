#include "shell/ImportCommands.h"

#include <cmath>

#include "formats/AudioImport.h"

namespace jorv {

namespace {

// Says how far a long import has come, in steps of a tenth.
ImportProgress StatusProgress(UiServices& ui) {
    return [&ui, shown = -1](double done) mutable {
        const int tenth = int(std::floor(done * 10));
        if (tenth != shown) ui.setStatus("Importing " + std::to_string(tenth * 10) + "%");
        shown = tenth;
        return true;
    };
}

}  // namespace

void CopyFromFile(AppContext& context) {
    Project& project = context.project;
    UiServices& ui = context.ui;
    const auto path = ui.chooseFile({.save = false,
                                     .mustExist = true,
                                     .filterLabel = std::string(AudioFilesLabel),
                                     .filterPattern = std::string(AudioFilesPattern),
                                     .title = "Open Wave File",
                                     .defaultExtension = ".wav",
                                     .initialFolder = project.exeDir,
                                     .initialFile = {}});
    if (!path) return;
    const ImportReport report = ImportAudioFile(*path, project.clipperPath, StatusProgress(ui));
    if (const std::string_view message = ImportMessage(report); !message.empty()) ShowError(ui, message);
    if (report.succeeded()) ui.setStatus("Copied to clipper");
}

}  // namespace jorv
