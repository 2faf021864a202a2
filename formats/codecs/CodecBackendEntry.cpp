#include "formats/codecs/CodecBackend.h"

#include "formats/codecs/SndfileDecoder.h"
#include "formats/codecs/SndfileEncoder.h"

extern "C" __attribute__((visibility("default"))) const jorv::CodecBackend* jorv_codecs_backend() {
    static const jorv::CodecBackend backend{.decode = jorv::DecodeToTrackFormat, .encode = jorv::EncodeTrackFrames};
    return &backend;
}
