#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "devices/backends/ScheduledSynth.h"

namespace jorv::test {
namespace {

// Two claves hits whose frames (1088 and 23491) sit at opposite ends of FluidSynth's 64-frame
// block grid at 44.1 kHz: each sounds one constant latency after its song time, within a
// millisecond, as no period or block boundary moves it.
TEST(ScheduledSynth, EachHitSoundsAtItsSongTimeNotAtABlockBoundary) {
    auto synth = ScheduledSynth::create(44100);
    ASSERT_TRUE(synth) << "no General MIDI sound font";
    synth->setLatencyFrames(1000);
    synth->startSong();
    synth->send(0x99 | 75 << 8 | 127 << 16, 2);
    synth->send(0x99 | 75 << 8 | 127 << 16, 510);
    std::vector<float> audio(2 * 44100);
    for (int period = 0; period < 44100 / 300; ++period) synth->render(audio.data() + 2 * 300 * period, 300);
    // The first loud frame from a frame on; the buffer's end when none is.
    const auto onset = [&](std::size_t from) {
        while (from < audio.size() / 2 && std::fabs(audio[2 * from]) < 0.01f) ++from;
        return from;
    };
    const std::size_t first = onset(0);
    ASSERT_LT(first, audio.size() / 2) << "the first hit was never heard";
    EXPECT_GE(first, 1088u);
    const std::size_t second = onset(first + 15000);
    ASSERT_LT(second, audio.size() / 2) << "the second hit was never heard";
    EXPECT_NEAR(double(second - first), 23491 - 1088, 44.1);
}

}  // namespace
}  // namespace jorv::test
