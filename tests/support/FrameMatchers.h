#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "core/WaveFormat.h"

namespace jorv {

inline bool operator==(const Frame& a, const Frame& b) { return a.left == b.left && a.right == b.right; }
inline std::ostream& operator<<(std::ostream& out, const Frame& f) { return out << '(' << f.left << ',' << f.right << ')'; }

}  // namespace jorv
