#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace jorv {

// A file's bytes mapped read-only, so that a journal of hundreds of megabytes is read where
// the system already holds it instead of being copied into memory first. A file that cannot be
// opened or is empty maps as no bytes.
class MappedFile {
public:
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const unsigned char> bytes() const { return {data_, size_}; }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace jorv
