#include "core/FileCopy.h"

#include <array>

#include "core/FileHandle.h"
#include "core/FileReplacement.h"

namespace jorv {

bool CopyFileOver(const std::string& from, const std::string& to) {
    const FileForReading source = OpenForReading(from);
    if (source.outcome != FileForReading::Outcome::Opened) return false;
    FileReplacement target(to);
    if (!target.file()) return false;
    std::array<char, 1 << 16> chunk;
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), source.file.get())) {
        if (std::fwrite(chunk.data(), 1, got, target.file()) != got) return false;
    }
    if (std::ferror(source.file.get())) return false;
    return target.commit();
}

}  // namespace jorv
