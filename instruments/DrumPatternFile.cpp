#include "instruments/DrumPatternFile.h"

#include "core/RecordFile.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseDrumFile(bool save, std::string& folder, const std::string& defaultFolder,
                                          UiServices& ui) {
    return ChooseFileRemembering(ui,
                                 {.save = save,
                                  .mustExist = !save,
                                  .confirmOverwrite = save,
                                  .filterLabel = "Jorv Drum Pattern",
                                  .filterPattern = "*.jdp",
                                  .title = save ? "Save Jorv Drum Pattern" : "Load Jorv Drum Pattern",
                                  .defaultExtension = ".jdp"},
                                 folder, defaultFolder);
}

}  // namespace

bool WriteDrumPatternFile(const DrumBlock& drums, const std::string& path) {
    return WriteRecordFile(path, &drums, sizeof drums);
}

bool ReadDrumPatternFile(DrumBlock& drums, const std::string& path) { return ReadRecordFile(path, &drums, sizeof drums); }

void SaveDrumPatterns(DrumEditorState& state, const DrumBlock& drums, const std::string& defaultFolder, UiServices& ui) {
    const auto path = ChooseDrumFile(true, state.saveFolder, defaultFolder, ui);
    if (path && !WriteDrumPatternFile(drums, *path)) ShowError(ui, DrumSaveFailedMessage);
}

bool LoadDrumPatterns(DrumEditorState& state, DrumBlock& drums, const std::string& defaultFolder, UiServices& ui) {
    const auto path = ChooseDrumFile(false, state.loadFolder, defaultFolder, ui);
    if (!path) return false;
    if (ReadDrumPatternFile(drums, *path)) return true;
    ShowError(ui, DrumOpenFailedMessage);
    return false;
}

}  // namespace jorv
