#include "dsp/RoundTrip.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace jorv::test {
namespace {

// What an input hears when the probe comes back after `delay` frames at `gain`, over noise.
std::vector<float> Heard(const std::vector<float>& probe, std::size_t delay, float gain, float noise) {
    std::vector<float> heard(probe.size() + 20000, 0.0f);
    std::mt19937 random(7);
    std::normal_distribution<float> hiss(0.0f, noise);
    for (float& value : heard) value = noise > 0 ? hiss(random) : 0.0f;
    for (std::size_t k = 0; k < probe.size(); ++k) heard[delay + k] += gain * probe[k];
    return heard;
}

TEST(RoundTrip, TheSequenceIsMaximalAndItsDelayIsFoundToTheFrameEvenUnderNoise) {
    for (int order : {10, 13, 15, 20}) {
        const std::vector<float> sequence = MaximumLengthSequence(order);
        ASSERT_EQ(sequence.size(), (std::size_t{1} << order) - 1);
        // A maximal sequence holds one more 1 than -1.
        EXPECT_EQ(std::accumulate(sequence.begin(), sequence.end(), 0.0), 1.0) << order;
    }
    const std::vector<float> probe = MaximumLengthSequence(13);
    for (std::size_t delay : {0, 1, 257, 12345}) {
        const RoundTrip quiet = FindRoundTrip(probe, Heard(probe, delay, 0.1f, 0.0f));
        EXPECT_EQ(quiet.outcome, RoundTrip::Outcome::Found) << delay;
        EXPECT_EQ(quiet.lag, int64_t(delay));
        // As loud as the signal itself, the noise still leaves the peak clear.
        const RoundTrip noisy = FindRoundTrip(probe, Heard(probe, delay, 0.1f, 0.1f));
        EXPECT_EQ(noisy.outcome, RoundTrip::Outcome::Found) << delay;
        EXPECT_EQ(noisy.lag, int64_t(delay));
    }
}

TEST(RoundTrip, AnOpenLoopIsNoSignalAndNoiseAloneIsUnclear) {
    const std::vector<float> probe = MaximumLengthSequence(12);
    EXPECT_EQ(FindRoundTrip(probe, Heard(probe, 100, 0.0f, 0.0f)).outcome, RoundTrip::Outcome::NoSignal);
    EXPECT_EQ(FindRoundTrip(probe, Heard(probe, 100, 0.0f, 0.2f)).outcome, RoundTrip::Outcome::Unclear);
    EXPECT_EQ(FindRoundTrip(probe, std::vector<float>(10, 0.5f)).outcome, RoundTrip::Outcome::NoSignal);  // too short
}

}  // namespace
}  // namespace jorv::test
