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

inline FileHandle OpenFile(const std::string& path, const char* mode) { return FileHandle(std::fopen(path.c_str(), mode)); }

}  // namespace jorv
