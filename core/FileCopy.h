#pragma once

#include <string>

namespace jorv {

// Copies the file at from over the file at to, which is replaced whole or not at all. Copying a
// file onto itself leaves it as it was. False when the source cannot be read or the target
// cannot be written.
bool CopyFileOver(const std::string& from, const std::string& to);

}  // namespace jorv
