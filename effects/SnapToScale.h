#pragma once

#include <string_view>

namespace jorv {

// The note of the minor (scale below 64), major (64..191) or chromatic (192 and above) scale
// whose range holds frequency; a frequency outside 120..540 Hz comes back unchanged.
double SnapToScale(double frequency, int scale);

// "Minor", "Major" or "Chromatic": the scale that SnapToScale uses for scale.
std::string_view ScaleName(int scale);

}  // namespace jorv
