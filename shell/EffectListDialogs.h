#pragma once

#include <string>
#include <string_view>

#include "core/UiServices.h"
#include "effects/EffectChain.h"

// The FX List dialog's Save and Load: their file dialogs, remembered folders and messages.
namespace jorv {

inline constexpr std::string_view ChainSaveFailedMessage = "There has been a warning error saving the .jfx file.";
inline constexpr std::string_view ChainOpenFailedMessage = "There has been an error opening the .jfx file.";

// Where the next Save and Load dialogs start.
struct EffectListFolders {
    std::string save;
    std::string load;
};

// Load returns whether a chain was read.
void SaveEffectList(EffectListFolders& folders, const EffectChain& chain, const std::string& defaultFolder, UiServices& ui);
bool LoadEffectList(EffectListFolders& folders, EffectChain& chain, const std::string& defaultFolder, UiServices& ui);

}  // namespace jorv
