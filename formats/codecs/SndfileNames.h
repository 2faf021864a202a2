#pragma once

#include <string>

namespace jorv {

// A libsndfile format as libsndfile's own names for it put it: "FLAC PCM_24", "OGG VORBIS".
std::string SndfileFormatName(int format);

// Whether samples of this format are 16-bit or narrower integers, which need no dither.
bool AtMostSixteenBits(int format);

}  // namespace jorv
