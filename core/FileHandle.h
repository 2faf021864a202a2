#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace jorv {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C file that closes itself; release() it to close by hand and see the result.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for reading, or why it was not.
struct FileForReading {
    enum class Outcome { Opened, Missing, Refused };
    Outcome outcome = Outcome::Refused;
    FileHandle file;
};

// Takes over an open descriptor as a blocking C file in mode; a negative descriptor, or one that
// cannot be taken over (it is then closed), gives none.
FileHandle AdoptDescriptor(int fd, const char* mode);

// Opens an existing regular file for reading. Missing means nothing is at the path (so the
// caller may create it); anything else that is not a readable regular file (a folder, a FIFO,
// a device, no permission, a loop of links) is refused at once, never waited on.
FileForReading OpenForReading(const std::string& path);

}  // namespace jorv
