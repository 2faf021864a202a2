#pragma once

#include <string_view>

#include "shell/RecordFileDialogs.h"
#include "effects/EffectListFile.h"
#include "instruments/DrumPatternFile.h"

// The files of one record that the dialogs save and load: effect lists and drum patterns.
namespace jorv {

inline constexpr std::string_view ChainSaveFailedMessage = "There has been a warning error saving the .jfx file.";
inline constexpr std::string_view ChainOpenFailedMessage = "There has been an error opening the .jfx file.";
inline constexpr std::string_view DrumSaveFailedMessage = "There has been a warning error saving the .jdp file.";
inline constexpr std::string_view DrumOpenFailedMessage = "There has been an error opening the .jdp file.";

inline constexpr RecordFiles<EffectChain> EffectListFiles{{.filterLabel = "JFX Files",
                                                          .filterPattern = "*.jfx",
                                                          .saveTitle = "Save JFX File",
                                                          .loadTitle = "Load JFX File",
                                                          .extension = ".jfx",
                                                          .saveFailedMessage = ChainSaveFailedMessage,
                                                          .openFailedMessage = ChainOpenFailedMessage},
                                                         WriteEffectListFile,
                                                         ReadEffectListFile};

// Replacing a pattern file the user built by hand is worth a question.
inline constexpr RecordFiles<DrumBlock> DrumPatternFiles{{.filterLabel = "Jorv Drum Pattern",
                                                         .filterPattern = "*.jdp",
                                                         .saveTitle = "Save Jorv Drum Pattern",
                                                         .loadTitle = "Load Jorv Drum Pattern",
                                                         .extension = ".jdp",
                                                         .askBeforeReplacing = true,
                                                         .saveFailedMessage = DrumSaveFailedMessage,
                                                         .openFailedMessage = DrumOpenFailedMessage},
                                                        WriteDrumPatternFile,
                                                        ReadDrumPatternFile};

}  // namespace jorv
