#include "core/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace jorv {

FileHandle AdoptDescriptor(int fd, const char* mode) {
    if (fd < 0) return nullptr;
    const int flags = ::fcntl(fd, F_GETFL);
    std::FILE* file = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? ::fdopen(fd, mode) : nullptr;
    if (!file) ::close(fd);
    return FileHandle(file);
}

FileForReading OpenForReading(const std::string& path) {
    using Outcome = FileForReading::Outcome;
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT ? Outcome::Missing : Outcome::Refused, nullptr};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {Outcome::Refused, nullptr};
    }
    FileHandle file = AdoptDescriptor(fd, "rb");
    return {file ? Outcome::Opened : Outcome::Refused, std::move(file)};
}

}  // namespace jorv
