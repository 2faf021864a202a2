#pragma once

#include <string>
#include <string_view>

#include "core/UiServices.h"
#include "effects/EffectChain.h"

// Effect-list files (".jfx"): the chain's 268 bytes as they stand.
namespace jorv {

inline constexpr std::string_view ChainSaveFailedMessage = "There has been a warning error saving the .jfx file.";
inline constexpr std::string_view ChainOpenFailedMessage = "There has been an error opening the .jfx file.";

// Where the next Save and Load dialogs start.
struct EffectListFolders {
    std::string save;
    std::string load;
};

// Writes the chain whole, replacing the file only once every byte is written.
bool WriteEffectListFile(const EffectChain& chain, const std::string& path);
// Reads up to 268 bytes over the chain (a shorter file leaves the rest as it was). A file that
// cannot be read, or names more than 16 items or a row that is no effect, is refused and the
// chain left as it was.
bool ReadEffectListFile(EffectChain& chain, const std::string& path);

// Save and Load with their dialogs, remembered folders and messages. Load returns whether a
// chain was read.
void SaveEffectList(EffectListFolders& folders, const EffectChain& chain, const std::string& defaultFolder, UiServices& ui);
bool LoadEffectList(EffectListFolders& folders, EffectChain& chain, const std::string& defaultFolder, UiServices& ui);

}  // namespace jorv
