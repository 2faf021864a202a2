// Any bytes as an audio file to import, read as Copy From reads a file that is not a track's
// wave file: it is refused, or it comes in as whole stereo frames, never more than a wave file
// can hold, and the file itself is never changed.
#include "formats/codecs/SndfileDecoder.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("sound", data, size);
    const DecodedAudio decoded = DecodeToTrackFormat(path, {});
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    if (decoded.outcome == DecodedAudio::Outcome::NotAudio) {
        FUZZ_CHECK(decoded.frames.empty() && !decoded.problem.empty());
        return 0;
    }
    FUZZ_CHECK(decoded.outcome == DecodedAudio::Outcome::Decoded);
    FUZZ_CHECK(decoded.source.channels >= 1 && decoded.source.rate >= 1000 && decoded.source.rate <= 768000);
    FUZZ_CHECK(!decoded.source.format.empty());
    FUZZ_CHECK(decoded.frames.size() * sizeof(Frame) < UINT32_MAX);
    return 0;
}
