#include "shell/EffectListDialogs.h"

#include "effects/EffectListFile.h"

namespace jorv {

namespace {

constexpr RecordFileKind EffectListKind{.filterLabel = "JFX Files",
                                        .filterPattern = "*.jfx",
                                        .saveTitle = "Save JFX File",
                                        .loadTitle = "Load JFX File",
                                        .extension = ".jfx",
                                        .saveFailedMessage = ChainSaveFailedMessage,
                                        .openFailedMessage = ChainOpenFailedMessage};

}  // namespace

void SaveEffectList(RememberedFolders& folders, const EffectChain& chain, const std::string& defaultFolder, UiServices& ui) {
    SaveRecordFile(EffectListKind, folders, defaultFolder, ui,
                   [&](const std::string& path) { return WriteEffectListFile(chain, path); });
}

bool LoadEffectList(RememberedFolders& folders, EffectChain& chain, const std::string& defaultFolder, UiServices& ui) {
    return LoadRecordFile(EffectListKind, folders, defaultFolder, ui,
                          [&](const std::string& path) { return ReadEffectListFile(chain, path); });
}

}  // namespace jorv
