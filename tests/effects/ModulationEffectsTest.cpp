#include <gtest/gtest.h>

#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

TEST(Chorus, TheVoiceReadsAheadOfTheFrameBeingWritten) {
    // A ramp read up to twice the depth ahead: every written value lies between the frame's
    // own value doubled and the frame's value plus that of the frame 2 * depth later.
    EffectBuffer buffer(3000);
    buffer.fill([](uint32_t f) { return Frame{int16_t(f), int16_t(f)}; });
    buffer.apply(fx::Chorus2, 0, 2000, 2, 10, 127);
    for (uint32_t f = 1; f < 1989; ++f) {
        const int v = buffer.frame(f).left;
        EXPECT_GE(v, 2 * int(f) - 1) << f;
        EXPECT_LE(v, 2 * int(f) + 20) << f;
    }
}

TEST(Vibes, RingSwingsThroughACosineAndClamps) {
    // Rate 255 turns by 255 / 2^18 radians per frame: a quarter turn after about 1615 frames.
    EffectBuffer buffer(6500);
    buffer.fillConstant(20000, 20000);
    buffer.apply(fx::Ring, 0, 6500, 255, 2, 127);
    EXPECT_EQ(buffer.frame(0).left, 32767);
    EXPECT_NEAR(buffer.frame(1615).left, 20000, 20);
    EXPECT_NEAR(buffer.frame(3229).left, 0, 20);
}

}  // namespace
}  // namespace jorv
