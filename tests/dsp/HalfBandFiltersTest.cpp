#include "dsp/HalfBandFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace jorv::test {
namespace {

TEST(HalfBandDecimator, KeepsWhatTheNewRateCarriesAndStopsWhatWouldFoldBack) {
    const auto peakAfter = [](double cyclesPerInputFrame) {
        HalfBandDecimator decimator;
        std::vector<float> in(2 * 2 * 512), out(2 * 512);
        for (std::size_t f = 0; f < in.size() / 2; ++f)
            in[2 * f] = in[2 * f + 1] = float(std::cos(2 * std::numbers::pi * cyclesPerInputFrame * f));
        decimator.process(in.data(), out.data(), 512);
        float peak = 0;
        for (std::size_t j = 64; j < 512; ++j) peak = std::max(peak, std::fabs(out[2 * j]));
        return peak;
    };
    EXPECT_NEAR(peakAfter(0), 1.0, 1e-5);    // a constant passes unchanged
    EXPECT_GT(peakAfter(0.05), 0.99);        // 4.4 kHz at 88.2 kHz
    EXPECT_LT(peakAfter(0.35), 0.01);        // 30.9 kHz would fold back to 13.2 kHz
}

TEST(DoubleSampleRate, KeepsTheSamplesInPlaceAndFillsBetweenWithoutSteps) {
    const std::vector<int16_t> doubled = DoubleSampleRate(std::vector<int16_t>(64, 1000));
    ASSERT_EQ(doubled.size(), 128u);
    EXPECT_EQ(doubled[64], 1000);  // a constant stays constant, in between too
    EXPECT_EQ(doubled[65], 1000);
    std::vector<int16_t> impulse(41, 0);
    impulse[20] = 16000;
    const std::vector<int16_t> response = DoubleSampleRate(impulse);
    EXPECT_EQ(response[40], 16000);  // the input sample at its own moment
    EXPECT_EQ(response[38], 0);      // a half-band filter leaves the other input moments alone
    EXPECT_GT(response[41], 8000);   // and interpolates between them
}

}  // namespace
}  // namespace jorv::test
