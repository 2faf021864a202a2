#include "shell/RecordFileDialogs.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseRecordFile(const RecordFileKind& kind, bool save, std::string& folder,
                                            const std::string& defaultFolder, UiServices& ui) {
    return ChooseFileRemembering(ui,
                                 {.save = save,
                                  .mustExist = !save,
                                  .confirmOverwrite = save && kind.askBeforeReplacing,
                                  .filterLabel = std::string(kind.filterLabel),
                                  .filterPattern = std::string(kind.filterPattern),
                                  .title = std::string(save ? kind.saveTitle : kind.loadTitle),
                                  .defaultExtension = std::string(kind.extension)},
                                 folder, defaultFolder);
}

}  // namespace

void SaveRecordFile(const RecordFileKind& kind, RememberedFolders& folders, const std::string& defaultFolder,
                    UiServices& ui, const RecordFileAccess& write) {
    const auto path = ChooseRecordFile(kind, true, folders.save, defaultFolder, ui);
    if (path && !write(*path)) ShowError(ui, kind.saveFailedMessage);
}

bool LoadRecordFile(const RecordFileKind& kind, RememberedFolders& folders, const std::string& defaultFolder,
                    UiServices& ui, const RecordFileAccess& read) {
    const auto path = ChooseRecordFile(kind, false, folders.load, defaultFolder, ui);
    if (!path) return false;
    if (read(*path)) return true;
    ShowError(ui, kind.openFailedMessage);
    return false;
}

}  // namespace jorv
