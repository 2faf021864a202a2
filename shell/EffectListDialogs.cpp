#include "shell/EffectListDialogs.h"

#include "effects/EffectListFile.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseListFile(bool save, std::string& folder, const std::string& defaultFolder,
                                          UiServices& ui) {
    return ChooseFileRemembering(ui,
                                 {.save = save,
                                  .mustExist = !save,
                                  .filterLabel = "JFX Files",
                                  .filterPattern = "*.jfx",
                                  .title = save ? "Save JFX File" : "Load JFX File",
                                  .defaultExtension = ".jfx"},
                                 folder, defaultFolder);
}

}  // namespace

void SaveEffectList(EffectListFolders& folders, const EffectChain& chain, const std::string& defaultFolder, UiServices& ui) {
    const auto path = ChooseListFile(true, folders.save, defaultFolder, ui);
    if (path && !WriteEffectListFile(chain, *path)) ShowError(ui, ChainSaveFailedMessage);
}

bool LoadEffectList(EffectListFolders& folders, EffectChain& chain, const std::string& defaultFolder, UiServices& ui) {
    const auto path = ChooseListFile(false, folders.load, defaultFolder, ui);
    if (!path) return false;
    if (ReadEffectListFile(chain, *path)) return true;
    ShowError(ui, ChainOpenFailedMessage);
    return false;
}

}  // namespace jorv
