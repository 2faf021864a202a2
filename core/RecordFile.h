#pragma once

#include <cstddef>
#include <string>

namespace jorv {

// Files that hold one record as its bytes (drum patterns, effect lists).
// Writes the record whole, replacing the file only once every byte is written.
bool WriteRecordFile(const std::string& path, const void* record, std::size_t size);
// Reads as much of the record as the file holds over it; the rest stays as it was. False when
// the file cannot be opened for reading.
bool ReadRecordFile(const std::string& path, void* record, std::size_t size);

}  // namespace jorv
