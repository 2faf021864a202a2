#pragma once

#include <string>

#include "formats/DecodedAudio.h"

namespace jorv {

// Reads any file libsndfile reads and converts it to the tracks' format: the channels folded to
// stereo, the rate converted to 44100 Hz by libsoxr at its very high quality, and the samples
// reduced to 16 bits (with dither unless the source has no more than 16 bits).
DecodedAudio DecodeToTrackFormat(const std::string& path, const ImportProgress& progress);

}  // namespace jorv
