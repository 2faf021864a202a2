#include <gtest/gtest.h>

#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

TEST(Gain, DefaultsScaleOnlyTheLeftAndClampAtTheCutoff) {
    EffectBuffer buffer(3);
    buffer.frame(0) = {1000, 1000};
    buffer.frame(1) = {-1001, 32767};
    buffer.frame(2) = {32767, -32767};
    buffer.apply(fx::Gain, 0, 3, 128, 254, 128);
    EXPECT_EQ(buffer.frame(0).left, 992);
    EXPECT_EQ(buffer.frame(0).right, 1000);
    EXPECT_EQ(buffer.frame(1).left, -993);  // truncated toward zero
    EXPECT_EQ(buffer.frame(1).right, 32512);
    EXPECT_EQ(buffer.frame(2).right, -32512);
}

TEST(Gain, UsesTheWholeFirstParameterAndSilencesAChannelWithPanZero) {
    EffectBuffer buffer(1);
    buffer.frame(0) = {1000, 1000};
    buffer.apply(fx::Gain, 0, 1, 384, 300, 0);  // three times as loud, cutoff 38400
    EXPECT_EQ(buffer.frame(0).left, 3000);
    EXPECT_EQ(buffer.frame(0).right, 0);
}

TEST(Compression, FollowsTheSquareRootCurveUpToTheCutoff) {
    EffectBuffer buffer(3);
    buffer.frame(0) = {0, 100};
    buffer.frame(1) = {-1, 32767};
    buffer.frame(2) = {-32767, 4};
    buffer.apply(fx::Compression, 0, 3, 128, 128, 127);  // left pan 1, right 0.9921875
    EXPECT_EQ(buffer.frame(0).left, 0);
    EXPECT_EQ(buffer.frame(0).right, 1270);  // 10 * 128 * 0.9921875
    EXPECT_EQ(buffer.frame(1).left, -128);
    EXPECT_EQ(buffer.frame(1).right, 16384);
    EXPECT_EQ(buffer.frame(2).left, -16384);
    EXPECT_EQ(buffer.frame(2).right, 254);
}

TEST(Distortion, FoldsTheWaveformThroughACosine) {
    EffectBuffer buffer(1);
    buffer.frame(0) = {32767, 10000};
    buffer.apply(fx::Distortion, 0, 1, 128, 254, 127);
    // Full scale passes through one whole period (and a little) and clamps at the cutoff.
    EXPECT_EQ(buffer.frame(0).left, 32512);
    // 10000 / 255 * 2pi / 128 is 1.925 radians, whose cosine is -0.3468; then the pan factor.
    EXPECT_EQ(buffer.frame(0).right, -3441);
}

TEST(Fade, StepsFromTheStartGainTowardsTheEndGain) {
    EffectBuffer buffer(2);
    buffer.fillConstant(10000, 10000);
    buffer.apply(fx::Fade, 0, 2, 254, 2, 0);
    EXPECT_EQ(buffer.frame(0).left, 9960);
    EXPECT_EQ(buffer.frame(1).left, 5019);
    EXPECT_EQ(buffer.frame(0).right, 0);

    EffectBuffer level(50);
    level.fillConstant(-20000, 20000);
    level.apply(fx::Fade, 0, 50, 100, 100, 127);
    for (uint32_t f = 0; f < 50; ++f) {
        EXPECT_EQ(level.frame(f).left, -7843);
        EXPECT_EQ(level.frame(f).right, 7781);
    }
}

TEST(Fade, ClampsAWholeFirstParameterAboveFullVolume) {
    EffectBuffer buffer(1);
    buffer.fillConstant(30000, -30000);
    buffer.apply(fx::Fade, 0, 1, 510, 510, 127);
    EXPECT_EQ(buffer.frame(0).left, 32767);
    EXPECT_EQ(buffer.frame(0).right, -32767);
}

TEST(Fuzz, TakesARandomShareThatGrowsWithLoudnessLeftBeforeRight) {
    EffectBuffer buffer(200);
    buffer.fillConstant(32767, 32767);
    buffer.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    // With the window at full scale the factor is 1 - r / 16384; draws 41, 18467 (the right,
    // silenced by pan 0), then 6334.
    EXPECT_EQ(buffer.frame(0).left, 32685);
    EXPECT_EQ(buffer.frame(0).right, 0);
    EXPECT_EQ(buffer.frame(1).left, 20099);

    // A second run in the same program goes on with the stream; a fresh program starts over.
    EffectBuffer second(200), fresh(200);
    second.fillConstant(32767, 32767);
    fresh.fillConstant(32767, 32767);
    second.random = buffer.random;
    second.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    fresh.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    EXPECT_NE(second.snapshot(), buffer.snapshot());
    EXPECT_EQ(fresh.snapshot(), buffer.snapshot());
}

}  // namespace
}  // namespace jorv
