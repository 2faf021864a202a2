#pragma once

#include <cstdio>
#include <string>

#include "core/FileHandle.h"

namespace jorv {

// How far a replacement goes before it is put in place.
enum class Durability {
    // The new bytes have reached the disk: not even a power failure loses them.
    OnDisk,
    // The new bytes are with the system: a failed or interrupted program still leaves the old
    // file or the new one whole, only a power failure right after may lose the new one. For
    // results that can be made again from their inputs; it spares waiting on the disk.
    WithTheSystem,
};

// Writes a file whole without ever leaving a damaged one: the bytes go to a temporary file
// beside the target ("<target>.saving"), which replaces the target only once everything has
// been written (and, OnDisk, has reached the disk). A failed or interrupted write leaves the
// old file as it was.
//
// A link is followed, so the file it points to is replaced and the link kept. A target that
// exists but is no regular file (a device such as /dev/null) is written in place, as there is
// nothing to rename over. A read-only target is refused: its protection stays.
// The call that takes a file's written bytes to the disk (fsync); a test puts its own here to
// see that an OnDisk replacement makes it, on the temporary file, before the rename.
extern int (*SyncToDisk)(int descriptor);

class FileReplacement {
public:
    explicit FileReplacement(const std::string& path, Durability durability = Durability::OnDisk);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Where to write; null when the file cannot be written.
    std::FILE* file() const { return file_.get(); }
    // Puts the written bytes in place; false, leaving the target untouched, when anything failed,
    // a write to file() included.
    bool commit();

private:
    std::string target_;
    std::string temporary_;  // empty when writing in place
    Durability durability_;
    FileHandle file_;
};

}  // namespace jorv
