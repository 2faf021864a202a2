#include "core/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace jorv {

namespace {

// The path whose file is to be replaced: a link's destination, or the path itself.
std::string ResolveLinks(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

}  // namespace

int (*SyncToDisk)(int descriptor) = ::fsync;

FileReplacement::FileReplacement(const std::string& path, Durability durability)
    : target_(ResolveLinks(path)), durability_(durability) {
    struct stat status {};
    const bool exists = ::stat(target_.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        // O_NONBLOCK: a FIFO without a reader is refused rather than waited on.
        file_ = AdoptDescriptor(::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC), "wb");
        return;
    }
    if (exists && ::access(target_.c_str(), W_OK) != 0) return;
    temporary_ = target_ + ".saving";
    const mode_t mode = exists ? (status.st_mode & 07777) : 0666;
    const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    // The umask shapes a new file; a replaced file keeps its own permissions.
    if (fd >= 0 && exists) ::fchmod(fd, mode);
    file_ = AdoptDescriptor(fd, "wb");
}

FileReplacement::~FileReplacement() {
    if (file_ && !temporary_.empty()) {
        file_.reset();
        ::unlink(temporary_.c_str());
    }
}

bool FileReplacement::commit() {
    if (!file_) return false;
    std::FILE* file = file_.release();
    // A write that failed earlier (a full disk) leaves the stream's error flag, not a failing flush.
    bool written = !std::ferror(file) && std::fflush(file) == 0;
    if (!temporary_.empty() && durability_ == Durability::OnDisk) written = SyncToDisk(::fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (temporary_.empty()) return written;
    if (written && std::rename(temporary_.c_str(), target_.c_str()) == 0) return true;
    ::unlink(temporary_.c_str());
    return false;
}

}  // namespace jorv
