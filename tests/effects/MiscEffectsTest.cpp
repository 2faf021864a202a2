#include <gtest/gtest.h>

#include <cmath>

#include "tests/effects/ToneAnalysis.h"

namespace jorv {
namespace {

using namespace test;

TEST(MiscEffects, ReverseAndMirrorTwiceRestoreTheRange) {
    for (const EffectId id : {fx::Reverse, fx::Mirror}) {
        EffectBuffer buffer(1000);
        buffer.fillNoise();
        const auto before = buffer.snapshot();
        buffer.apply(id, 10, 901, 2, 2, 2);
        EXPECT_NE(buffer.snapshot(), before);
        buffer.apply(id, 10, 901, 2, 2, 2);
        EXPECT_EQ(buffer.snapshot(), before);
    }
}

TEST(MiscEffects, ReverseOfOneFrameChangesNothingAndOfThreeSwapsTheOuterTwo) {
    EffectBuffer buffer(3);
    buffer.fill([](uint32_t f) { return Frame{int16_t(f), int16_t(-int(f) - 10)}; });
    buffer.apply(fx::Reverse, 1, 2, 2, 2, 2);
    EXPECT_EQ(buffer.frame(1).left, 1);
    buffer.apply(fx::Reverse, 0, 3, 2, 2, 2);
    EXPECT_EQ(buffer.frame(0).left, 2);
    EXPECT_EQ(buffer.frame(0).right, -12);
    EXPECT_EQ(buffer.frame(1).left, 1);
    EXPECT_EQ(buffer.frame(2).right, -10);
}

TEST(MiscEffects, NegateKeepsTheDifferenceWithinRange) {
    EffectBuffer buffer(3);
    buffer.frame(0) = {20000, -20000};
    buffer.frame(1) = {-20000, 20000};
    buffer.frame(2) = {300, 1000};
    buffer.apply(fx::Negate, 0, 3, 2, 2, 2);
    EXPECT_EQ(buffer.frame(0).left, 32767);
    EXPECT_EQ(buffer.frame(0).right, 32767);
    EXPECT_EQ(buffer.frame(1).left, -32767);
    EXPECT_EQ(buffer.frame(2).right, -700);
}

TEST(MiscEffects, MonotonizeWeightsTheChannelsByThePan) {
    EffectBuffer left(1), right(1), middle(1);
    for (EffectBuffer* b : {&left, &right, &middle}) b->frame(0) = {1000, -3000};
    left.apply(fx::Monotonize, 0, 1, 2, 2, 0);
    right.apply(fx::Monotonize, 0, 1, 2, 2, 255);
    middle.apply(fx::Monotonize, 0, 1, 2, 2, 128);
    EXPECT_EQ(left.frame(0).right, 1000);
    EXPECT_EQ(right.frame(0).left, -3000);
    // (-3000 + 1000 * 0.9921875) / 1.9921875
    EXPECT_EQ(middle.frame(0).left, -1007);
    EXPECT_EQ(middle.frame(0).right, -1007);
}

TEST(GrainPitch, NeedsMoreThan4096FramesAndKeepsTheOuter2048) {
    EffectBuffer buffer(9000);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    buffer.apply(fx::Pitch, 100, 4196, 128, 2, 128);
    EXPECT_EQ(buffer.snapshot(), before);
    buffer.apply(fx::Pitch, 100, 4197, 128, 2, 127);
    // The only frame written takes grain 2 alone, at full weight, 1024 frames ahead of it.
    auto expected = before;
    expected[2 * 2148] = before[2 * 3172];
    expected[2 * 2148 + 1] = int16_t(before[2 * 3172 + 1] * 0.9921875);
    EXPECT_EQ(buffer.snapshot(), expected);
}

TEST(GrainPitch, ShiftsASteadyToneByTheChosenInterval) {
    for (const auto& [p1, ratio] : {std::pair{212, 2.0}, std::pair{128, 1.5}, std::pair{2, 0.5}}) {
        EffectBuffer buffer(60000);
        // Grains jump back 2048 frames; a tone with whole cycles in 2048 frames jumps without a
        // phase slip, which would otherwise show as an offset of the measured frequency.
        const double hz = 20 * 44100.0 / 2048;
        FillTone(buffer, hz, 10000);
        buffer.apply(fx::Pitch, 0, 60000, p1, 2, 128);
        EXPECT_NEAR(StrongestTone(buffer, 4000, 56000), hz * ratio, 1) << p1;
    }
}

}  // namespace
}  // namespace jorv
