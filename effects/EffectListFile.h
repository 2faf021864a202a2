#pragma once

#include <string>

#include "effects/EffectChain.h"

// Effect-list files (".jfx"): the chain's 268 bytes as they stand.
namespace jorv {

// Writes the chain whole, replacing the file only once every byte is written.
bool WriteEffectListFile(const EffectChain& chain, const std::string& path);
// Reads up to 268 bytes over the chain (a shorter file leaves the rest as it was). A file that
// cannot be read, or names more than 16 items or a row that is no effect, is refused and the
// chain left as it was.
bool ReadEffectListFile(EffectChain& chain, const std::string& path);

}  // namespace jorv
