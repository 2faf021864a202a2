#include <gtest/gtest.h>

#include <cmath>

#include "effects/DelayEffects.h"
#include "effects/EffectMath.h"
#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

TEST(Shift, CentredBarsChangeNothingAndPanDelaysOneChannel) {
    EffectBuffer buffer(50);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    buffer.apply(fx::Shift, 0, 50, 128, 200, 128);
    EXPECT_EQ(buffer.snapshot(), before);

    buffer.apply(fx::Shift, 10, 40, 128, 3, 126);  // the left channel six values, three frames, later
    for (uint32_t f = 10; f < 40; ++f) {
        EXPECT_EQ(buffer.frame(f).left, before[2 * (f < 13 ? f : f - 3)]) << f;
        EXPECT_EQ(buffer.frame(f).right, before[2 * f + 1]) << f;
    }
    EffectBuffer right(50);
    right.fillNoise();
    right.apply(fx::Shift, 10, 40, 128, 4, 129);  // the right channel two frames later
    for (uint32_t f = 10; f < 40; ++f) {
        EXPECT_EQ(right.frame(f).left, before[2 * f]) << f;
        EXPECT_EQ(right.frame(f).right, before[2 * (f < 12 ? f : f - 2) + 1]) << f;
    }
}

TEST(Shift, MovesTheWholeRangeEarlierForALowFineShift) {
    EffectBuffer buffer(20);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    buffer.apply(fx::Shift, 5, 15, 127, 4, 128);  // four values, two frames, earlier
    for (uint32_t f = 5; f < 15; ++f)
        EXPECT_EQ(buffer.frame(f).left, before[2 * (f < 13 ? f + 2 : f)]) << f;
}

TEST(Echo, RepeatsEveryDelayFramesAtTheSustainLevel) {
    EffectBuffer buffer(400);
    buffer.frame(0) = {1000, 1000};
    buffer.apply(fx::Echo, 0, 400, 1, 128, 0);  // 64 frames, half level, left only
    EXPECT_EQ(buffer.frame(64).left, 500);
    EXPECT_EQ(buffer.frame(128).left, 250);
    EXPECT_EQ(buffer.frame(192).left, 125);
    EXPECT_EQ(buffer.frame(64).right, 0);
    EXPECT_EQ(buffer.frame(63).left, 0);
}

TEST(Echo, ClampsTheSum) {
    EffectBuffer buffer(9000);
    buffer.frame(0) = {30000, 0};
    buffer.frame(64) = {20000, 0};
    buffer.apply(fx::Echo, 0, 200, 1, 128, 0);
    EXPECT_EQ(buffer.frame(64).left, 32767);
}

TEST(Resonate, TapsFollowTheRingLength) {
    EXPECT_EQ(ResonateTaps(128), (std::array<int, 4>{8192, 6873, 2598, 1676}));
    EXPECT_EQ(ResonateTaps(254), (std::array<int, 4>{16256, 13639, 5156, 3327}));
    EXPECT_EQ(ResonateTaps(2), (std::array<int, 4>{128, 107, 40, 26}));
    EXPECT_EQ(ResonateTaps(256)[0], 16384);
}

TEST(Resonate, SendsTheSmoothedPartFarAndTheRestNear) {
    // A ring of two frames and one impulse of 1000 on the left as the first newest frame.
    EffectBuffer buffer(600);
    buffer.frame(102) = {1000, 0};
    buffer.apply(fx::Resonate, 100, 500, 254, 128, 0);  // sustain 0.25, left only
    EXPECT_EQ(buffer.frame(102).left, 1000);
    // Above the mean: +125 after 26 and 40 frames, then -125 once the impulse leaves the mean.
    EXPECT_EQ(buffer.frame(128).left, 125);
    EXPECT_EQ(buffer.frame(129).left, -125);
    EXPECT_EQ(buffer.frame(142).left, 125);
    EXPECT_EQ(buffer.frame(143).left, -125);
    // The mean of 500 at half weight after 128 frames, for the two frames it lasts (the same
    // after 107 frames is joined there by the resonance of frames already changed).
    EXPECT_EQ(buffer.frame(230).left, 62);
    EXPECT_EQ(buffer.frame(231).left, 62);
    EXPECT_EQ(buffer.frame(209).left, 43);
    for (uint32_t f = 0; f < 600; ++f) EXPECT_EQ(buffer.frame(f).right, 0) << f;
}

TEST(Turntable, TheStopSidePlaysTheRangeBackwardsSlowingDownTheStartSideWhatFollows) {
    // On a ramp the value read is the read position. The first frame reads itself; then on
    // the Stop side the position follows N (1 + cos(pi/2 + f pi / 2N)) = N (1 - sin(f pi / 2N))
    // (the float phase drifts by well under a frame over 2000 steps), checked while the read
    // is still ahead of the write.
    const uint32_t n = 2000;
    EffectBuffer buffer(3 * n), start(3 * n);
    for (EffectBuffer* b : {&buffer, &start}) b->fill([](uint32_t f) { return Frame{int16_t(f), int16_t(f)}; });
    start.apply(fx::Turntable, 0, 1000, 128, 128, 127);
    EXPECT_EQ(start.frame(0).left, 0);
    EXPECT_NEAR(start.frame(1).left, 2000, 1);
    EXPECT_NEAR(start.frame(999).left, 1002, 2);

    buffer.apply(fx::Turntable, 0, n, 20, 2, 127);
    EXPECT_EQ(buffer.frame(0).left, 0);
    for (uint32_t f = 1; f < 700; ++f) {
        const double position = n * (1 - std::sin(f * fxmath::Pi / (2.0 * n)));
        ASSERT_NEAR(buffer.frame(f).left, position, 2) << f;  // panLeft 1.0 at p3 = 127
    }
}

TEST(Turntable, ReadsPastTheBufferAsSilence) {
    EffectBuffer buffer(1500);
    buffer.fillConstant(1000, 1000);
    buffer.apply(fx::Turntable, 500, 1500, 200, 128, 127);
    EXPECT_EQ(buffer.frame(500).left, 1000);
    EXPECT_EQ(buffer.frame(501).left, 0);
}

}  // namespace
}  // namespace jorv
