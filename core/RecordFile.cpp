#include "core/RecordFile.h"

#include "core/FileHandle.h"
#include "core/FileReplacement.h"

namespace jorv {

bool WriteRecordFile(const std::string& path, const void* record, std::size_t size) {
    FileReplacement replacement(path);
    if (!replacement.file()) return false;
    std::fwrite(record, size, 1, replacement.file());
    return replacement.commit();
}

bool ReadRecordFile(const std::string& path, void* record, std::size_t size) {
    const FileForReading opened = OpenForReading(path);
    if (opened.outcome != FileForReading::Outcome::Opened) return false;
    std::fread(record, 1, size, opened.file.get());
    return true;
}

}  // namespace jorv
