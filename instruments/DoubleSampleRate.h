#pragma once

#include <cstdint>
#include <vector>

namespace jorv {

// Mono samples at twice their rate, band-limited (zeros between the samples, then the half-band
// low-pass), aligned with the input: output sample 2k is input sample k's moment.
std::vector<int16_t> DoubleSampleRate(const std::vector<int16_t>& samples);

}  // namespace jorv
