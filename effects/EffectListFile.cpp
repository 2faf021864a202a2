#include "effects/EffectListFile.h"

#include "core/RecordFile.h"

namespace jorv {

bool WriteEffectListFile(const EffectChain& chain, const std::string& path) {
    return WriteRecordFile(path, &chain, sizeof chain);
}

bool ReadEffectListFile(EffectChain& chain, const std::string& path) {
    EffectChain read = chain;
    if (!ReadRecordFile(path, &read, sizeof read) || !ChainIsUsable(read)) return false;
    chain = read;
    return true;
}

}  // namespace jorv
