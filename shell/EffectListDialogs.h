#pragma once

#include <string>
#include <string_view>

#include "shell/RecordFileDialogs.h"
#include "effects/EffectChain.h"

// The FX List dialog's Save and Load of effect-list files.
namespace jorv {

inline constexpr std::string_view ChainSaveFailedMessage = "There has been a warning error saving the .jfx file.";
inline constexpr std::string_view ChainOpenFailedMessage = "There has been an error opening the .jfx file.";

// Load returns whether a chain was read.
void SaveEffectList(RememberedFolders& folders, const EffectChain& chain, const std::string& defaultFolder, UiServices& ui);
bool LoadEffectList(RememberedFolders& folders, EffectChain& chain, const std::string& defaultFolder, UiServices& ui);

}  // namespace jorv
