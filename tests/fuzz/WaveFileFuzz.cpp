// Any bytes as a track's wave file: the load result is one of the known codes, a failure leaves
// the buffer untouched, loaded audio is followed by silence, and the file is never changed.
#include <algorithm>

#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr uint32_t Frames = 64;
    constexpr Frame Marker{777, -777};
    const std::string path = fuzz::InputFile("track.wav", data, size);
    std::vector<Frame> buffer(Frames, Marker);
    SilentUiServices ui;
    uint32_t loaded = 99;
    const int result = LoadWave(path, buffer.data(), Frames, ui, &loaded);

    FUZZ_CHECK((result >= WaveLoaded && result <= WaveChannelWarning + WaveRateWarning) ||
               (result >= WaveNoRiff && result <= WaveUnreadable));
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    if (result >= FirstWaveFailure) {
        FUZZ_CHECK(loaded == 0);
        FUZZ_CHECK(std::all_of(buffer.begin(), buffer.end(), [&](Frame f) { return f.left == Marker.left && f.right == Marker.right; }));
        return 0;
    }
    FUZZ_CHECK(loaded <= Frames);
    // A frame cut short keeps its left sample; everything after it is silence.
    for (uint32_t f = loaded; f < Frames; ++f) {
        FUZZ_CHECK(buffer[f].right == 0);
        FUZZ_CHECK(f == loaded || buffer[f].left == 0);
    }
    return 0;
}
