#include "shell/DrumPatternDialogs.h"

#include "instruments/DrumPatternFile.h"

namespace jorv {

namespace {

// Replacing a pattern file the user built by hand is worth a question.
constexpr RecordFileKind DrumPatternKind{.filterLabel = "Jorv Drum Pattern",
                                         .filterPattern = "*.jdp",
                                         .saveTitle = "Save Jorv Drum Pattern",
                                         .loadTitle = "Load Jorv Drum Pattern",
                                         .extension = ".jdp",
                                         .askBeforeReplacing = true,
                                         .saveFailedMessage = DrumSaveFailedMessage,
                                         .openFailedMessage = DrumOpenFailedMessage};

}  // namespace

void SaveDrumPatterns(RememberedFolders& folders, const DrumBlock& drums, const std::string& defaultFolder, UiServices& ui) {
    SaveRecordFile(DrumPatternKind, folders, defaultFolder, ui,
                   [&](const std::string& path) { return WriteDrumPatternFile(drums, path); });
}

bool LoadDrumPatterns(RememberedFolders& folders, DrumBlock& drums, const std::string& defaultFolder, UiServices& ui) {
    return LoadRecordFile(DrumPatternKind, folders, defaultFolder, ui,
                          [&](const std::string& path) { return ReadDrumPatternFile(drums, path); });
}

}  // namespace jorv
