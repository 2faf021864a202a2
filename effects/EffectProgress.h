#pragma once

#include <cstdint>
#include <functional>

namespace jorv {

// Told how much of a long effect run is done, as done of total steps; called often and cheaply.
using EffectProgress = std::function<void(int64_t done, int64_t total)>;

}  // namespace jorv
