#pragma once

#include <cstddef>
#include <cstdint>

namespace jorv {

// The CRC-32 of zlib and PNG; continue a running value by passing it back as crc.
uint32_t Crc32(const void* bytes, std::size_t size, uint32_t crc = 0);

}  // namespace jorv
