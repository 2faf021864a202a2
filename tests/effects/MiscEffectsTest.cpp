#include <gtest/gtest.h>


#include "tests/effects/ToneAnalysis.h"

namespace jorv {
namespace {

using namespace test;

TEST(MiscEffects, MirrorExchangesTheChannelsOfTheRangeOnly) {
    EffectBuffer buffer(1000);
    buffer.fill([](uint32_t f) { return Frame{int16_t(f), int16_t(-3 * int(f))}; });
    buffer.apply(fx::Mirror, 10, 901, 2, 2, 2);
    for (uint32_t f = 0; f < 1000; ++f) {
        const bool inside = f >= 10 && f < 901;
        ASSERT_EQ(buffer.frame(f), (inside ? Frame{int16_t(-3 * int(f)), int16_t(f)} : Frame{int16_t(f), int16_t(-3 * int(f))}))
            << f;
    }
}

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

TEST(GrainPitch, KeepsTheOuter2048FramesOfTheShortestRange) {
    EffectBuffer buffer(9000);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
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
        const double hz = 20 * double(WaveFormat::sampleRate) / 2048;
        FillTone(buffer, hz, 10000);
        buffer.apply(fx::Pitch, 0, 60000, p1, 2, 128);
        EXPECT_NEAR(StrongestTone(buffer, 4000, 56000), hz * ratio, 1) << p1;
    }
}

}  // namespace
}  // namespace jorv
