#pragma once

#include <string>

#include "formats/DecodedAudio.h"

namespace jorv {

// What the module jorv-codecs offers: reading every format libsndfile reads, converted to the
// tracks' format (libsoxr for the rate, a stereo fold, 16 bits with dither).
struct CodecBackend {
    DecodedAudio (*decode)(const std::string& path, const ImportProgress& progress);
};

}  // namespace jorv

extern "C" const jorv::CodecBackend* jorv_codecs_backend();
