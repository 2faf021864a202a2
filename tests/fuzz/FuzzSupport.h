#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// What every harness needs: a scratch folder of its own, the input as a file in it, and a
// check that stops the run (so libFuzzer keeps the input) when a promise of the reader breaks.
namespace jorv::fuzz {

#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char name[] = "/tmp/jorv-fuzz-XXXXXX";
        FUZZ_CHECK(::mkdtemp(name) != nullptr);
        return std::string(name);
    }();
    return folder;
}

using Bytes = std::vector<unsigned char>;

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
}

inline Bytes ReadBytes(const std::string& path) {
    Bytes bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FUZZ_CHECK(file != nullptr);
    unsigned char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return bytes;
}

// The input as a file; the check afterwards that reading left it exactly as it was.
inline std::string InputFile(const char* name, const uint8_t* data, size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    WriteBytes(path, data, size);
    return path;
}

inline bool StillHolds(const std::string& path, const uint8_t* data, size_t size) {
    return ReadBytes(path) == Bytes(data, data + size);
}

}  // namespace jorv::fuzz
