#include "instruments/DrumPatternFile.h"

#include "core/FileHandle.h"
#include "core/FileReplacement.h"
#include "core/PathParts.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseDrumFile(bool save, std::string& folder, const std::string& defaultFolder,
                                          UiServices& ui) {
    auto path = ui.chooseFile({.save = save,
                               .mustExist = !save,
                               .confirmOverwrite = save,
                               .filterLabel = "Jorv Drum Pattern",
                               .filterPattern = "*.jdp",
                               .title = save ? "Save Jorv Drum Pattern" : "Load Jorv Drum Pattern",
                               .defaultExtension = ".jdp",
                               .initialFolder = folder.empty() ? defaultFolder : folder,
                               .initialFile = {}});
    if (path) folder = SplitAtLastSeparator(*path).folder;
    return path;
}

}  // namespace

bool WriteDrumPatternFile(const DrumBlock& drums, const std::string& path) {
    FileReplacement replacement(path);
    if (!replacement.file()) return false;
    std::fwrite(&drums, sizeof drums, 1, replacement.file());
    return replacement.commit();
}

bool ReadDrumPatternFile(DrumBlock& drums, const std::string& path) {
    const FileForReading opened = OpenForReading(path);
    if (opened.outcome != FileForReading::Outcome::Opened) return false;
    std::fread(&drums, 1, sizeof drums, opened.file.get());
    return true;
}

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
