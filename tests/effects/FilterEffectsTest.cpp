#include <gtest/gtest.h>

#include <cmath>

#include "effects/BandPassFilter.h"
#include "effects/EffectMath.h"
#include "tests/effects/ToneAnalysis.h"

namespace jorv {
namespace {

using namespace test;

double PeakLeft(EffectBuffer& buffer, uint32_t from, uint32_t to) {
    double peak = 0;
    for (uint32_t f = from; f < to; ++f) peak = std::max(peak, std::fabs(double(buffer.frame(f).left)));
    return peak;
}

TEST(LowPass, AnOddWindowWritesToItsSixtyFourthFrame) {
    // One impulse: with a window of 127 frames, centres 63 frames either side of it see it.
    EffectBuffer buffer(600);
    buffer.frame(300) = {12700, 0};
    buffer.apply(fx::LowPass, 0, 600, 129, 2, 127);
    for (uint32_t f = 0; f < 600; ++f) EXPECT_EQ(buffer.frame(f).left, f >= 237 && f <= 363 ? 100 : 0) << f;
}


TEST(NoiseReduction, SlidesAQuietPassageToItsMovingAverage) {
    // An alternating +-100 signal: loud enough to hear, but its window level (66 * 100) is
    // below the cutoff 16384, and its moving average over 66 frames is zero.
    EffectBuffer buffer(20000);
    buffer.fill([](uint32_t f) { return Frame{int16_t(f % 2 ? 100 : -100), int16_t(f % 2 ? 100 : -100)}; });
    buffer.apply(fx::NoiseReduction, 0, 20000, 128, 128, 128);
    // The gate falls by 0.01 / 129 per centre frame, from the first centre at frame 33.
    EXPECT_EQ(std::abs(buffer.frame(1033).left), 92);
    EXPECT_EQ(std::abs(buffer.frame(5000).left), 61);
    EXPECT_EQ(buffer.frame(13000).left, 0);
    EXPECT_EQ(buffer.frame(19000).right, 0);
}

TEST(BandPass, FiltersOnlyTheValuesAwayFromTheRangeEnds) {
    EffectBuffer buffer(1000);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    buffer.apply(fx::BandPass, 100, 357, 2, 254, 128);
    const auto after = buffer.snapshot();
    for (uint32_t f = 0; f < 1000; ++f) {
        const bool leftFiltered = f >= 229 && f <= 356, rightFiltered = f >= 228 && f <= 355;
        EXPECT_EQ(after[2 * f] != before[2 * f], leftFiltered) << f;
        EXPECT_EQ(after[2 * f + 1] != before[2 * f + 1], rightFiltered) << f;
    }
    EffectBuffer longer(3000);
    longer.fillNoise();
    const auto original = longer.snapshot();
    longer.apply(fx::BandPass, 0, 3000, 2, 254, 128);
    const auto filtered = longer.snapshot();
    for (uint32_t f : {0u, 127u, 128u, 2871u, 2872u, 2999u}) {
        EXPECT_EQ(filtered[2 * f] != original[2 * f], f >= 129 && f <= 2872) << f;
        EXPECT_EQ(filtered[2 * f + 1] != original[2 * f + 1], f >= 128 && f <= 2871) << f;
    }
}

TEST(BandPass, PassesItsBandAtFullLevelSixtyFourFramesLateAndStopsTheRest) {
    // lo = hi = 58 * 22050 / 256 = 4996 Hz; the band is still about 1917 Hz wide.
    EffectBuffer inBand(8000), below(8000);
    FillTone(inBand, 5000, 10000);
    FillTone(below, 500, 10000);
    const auto source = inBand.snapshot();
    inBand.apply(fx::BandPass, 0, 8000, 58, 58, 127);
    below.apply(fx::BandPass, 0, 8000, 58, 58, 127);
    EXPECT_NEAR(PeakLeft(inBand, 1000, 7000), 10000, 150);
    EXPECT_LT(PeakLeft(below, 1000, 7000), 100);
    for (uint32_t f = 1000; f < 1100; ++f) EXPECT_NEAR(inBand.frame(f).left, source[2 * (f - 64)], 200) << f;
}

TEST(BandPass, TheKernelPeaksAtZeroDecibels) {
    const auto kernel = DesignBandPass(3000.0f, 6000.0f);
    for (int n = 0; n < 64; ++n) EXPECT_EQ(kernel[n], kernel[128 - n]);
    double best = 0;
    for (int j = 0; j <= 250; ++j) {
        double re = 0, im = 0;
        for (int n = 0; n < BandPassTaps; ++n) {
            re += kernel[n] * std::cos(n * j * fxmath::Pi / 250);
            im += kernel[n] * std::sin(n * j * fxmath::Pi / 250);
        }
        best = std::max(best, std::sqrt(re * re + im * im));
    }
    EXPECT_NEAR(best, 1.0, 1e-5);
}

}  // namespace
}  // namespace jorv
