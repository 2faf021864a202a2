#pragma once

#include <cstddef>
#include <string>

#include "formats/DecodedAudio.h"
#include "formats/ExportType.h"

namespace jorv {

// What the module jorv-codecs offers: reading every format libsndfile reads, converted to the
// tracks' format (libsoxr for the rate, a stereo fold, 16 bits with dither).
struct CodecBackend {
    DecodedAudio (*decode)(const std::string& path, const ImportProgress& progress);
    // Writes frames to path as type (not Wave) at quality 0..10; the file is replaced whole or
    // not at all. Whether it was written.
    bool (*encode)(const Frame* frames, std::size_t count, const std::string& path, ExportType type, int quality);
};

}  // namespace jorv

extern "C" const jorv::CodecBackend* jorv_codecs_backend();
