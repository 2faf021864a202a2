#include "instruments/DrumPatternFile.h"

#include "core/RecordFile.h"

namespace jorv {

bool WriteDrumPatternFile(const DrumBlock& drums, const std::string& path) {
    return WriteRecordFile(path, &drums, sizeof drums);
}

bool ReadDrumPatternFile(DrumBlock& drums, const std::string& path) { return ReadRecordFile(path, &drums, sizeof drums); }

}  // namespace jorv
