#include "effects/EffectListFile.h"

#include "core/FileHandle.h"
#include "core/FileReplacement.h"
#include "core/PathParts.h"

namespace jorv {

namespace {

std::optional<std::string> ChooseListFile(bool save, std::string& folder, const std::string& defaultFolder,
                                          UiServices& ui) {
    auto path = ui.chooseFile({.save = save,
                               .mustExist = !save,
                               .filterLabel = "JFX Files",
                               .filterPattern = "*.jfx",
                               .title = save ? "Save JFX File" : "Load JFX File",
                               .defaultExtension = ".jfx",
                               .initialFolder = folder.empty() ? defaultFolder : folder,
                               .initialFile = {}});
    if (path) folder = SplitAtLastSeparator(*path).folder;
    return path;
}

}  // namespace

bool WriteEffectListFile(const EffectChain& chain, const std::string& path) {
    FileReplacement replacement(path);
    if (!replacement.file()) return false;
    std::fwrite(&chain, sizeof chain, 1, replacement.file());
    return replacement.commit();
}

bool ReadEffectListFile(EffectChain& chain, const std::string& path) {
    const FileForReading opened = OpenForReading(path);
    if (opened.outcome != FileForReading::Outcome::Opened) return false;
    EffectChain read = chain;
    std::fread(&read, 1, sizeof read, opened.file.get());
    if (!ChainIsUsable(read)) return false;
    chain = read;
    return true;
}

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
