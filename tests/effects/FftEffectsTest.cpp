#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "effects/EffectMath.h"
#include "effects/FftEffects.h"
#include "effects/FftInPlace.h"
#include "effects/SnapToScale.h"
#include "tests/effects/ToneAnalysis.h"

namespace jorv {
namespace {

using namespace test;
using fxmath::Pi;

std::vector<float> RandomSignal(int n) {
    std::vector<float> data(2 * n);
    uint32_t state = 99;
    for (float& v : data) {
        state = state * 1664525u + 1013904223u;
        v = float(int32_t(state) / 2147483648.0);
    }
    return data;
}

// A tone through the effect over 40000 frames, then its level at its own frequency, or the
// frequency of the strongest tone, measured away from the ends.
double LevelAfter(EffectId id, double hz, double amplitude, std::array<int32_t, 3> p) {
    EffectBuffer buffer(40000);
    FillTone(buffer, hz, amplitude);
    buffer.apply(id, 0, 40000, p[0], p[1], p[2]);
    return ToneLevel(buffer, hz, 8000, 34000);
}

double PitchAfter(EffectId id, double hz, std::array<int32_t, 3> p) {
    EffectBuffer buffer(40000);
    FillTone(buffer, hz, 8000);
    buffer.apply(id, 0, 40000, p[0], p[1], p[2]);
    return StrongestTone(buffer, 8000, 34000);
}

TEST(FftInPlace, AgreesWithADirectTransformInBothDirections) {
    for (const int n : {2, 8, 64, 512}) {
        for (const int sign : {-1, 1}) {
            auto data = RandomSignal(n);
            const auto input = data;
            FftInPlace(data.data(), n, sign);
            for (int k = 0; k < n; ++k) {
                std::complex<double> sum;
                for (int m = 0; m < n; ++m)
                    sum += std::complex<double>(input[2 * m], input[2 * m + 1]) * std::polar(1.0, sign * 2 * Pi * k * m / n);
                EXPECT_NEAR(data[2 * k], sum.real(), 1e-4) << n << " " << k;
                EXPECT_NEAR(data[2 * k + 1], sum.imag(), 1e-4) << n << " " << k;
            }
        }
    }
}

TEST(FftEngine, ZeroWeightsReturnTheSelectionHalfAgainAsLoudAndAHopLate) {
    for (const EffectId id : {fx::FftHarmonics, fx::FftBassBoost}) {
        EffectBuffer buffer(30000);
        FillTone(buffer, 1000, 8000);
        const auto before = buffer.snapshot();
        buffer.apply(id, 0, 30000, 0, 0, 0);
        for (uint32_t f = 5000; f < 26000; ++f) {
            ASSERT_NEAR(buffer.frame(f).left, 1.5 * before[2 * (f - 1024)], 3) << f;
            ASSERT_NEAR(buffer.frame(f).right, 1.5 * before[2 * (f - 1024) + 1], 3) << f;
        }
    }
}

TEST(FftEngine, KeepsTheFirstFrameAndTheLastHops) {
    EffectBuffer buffer(20000);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    buffer.apply(fx::FftBow, 1000, 11000, 2, 2, 2);
    const auto after = buffer.snapshot();
    EXPECT_EQ(test::FirstChangeOutside(before, after, 1001, 11000 - 3072), -1);
    EXPECT_NE(after[2 * 1001], before[2 * 1001]);
}

TEST(FftEngine, ClampsLoudResultsWithinSixteenBits) {
    EffectBuffer buffer(20000);
    FillTone(buffer, 1000, 32000);
    buffer.apply(fx::FftHarmonics, 0, 20000, 0, 0, 0);
    int16_t low = 0, high = 0;
    for (uint32_t f = 0; f < 20000; ++f) low = std::min(low, buffer.frame(f).left), high = std::max(high, buffer.frame(f).left);
    EXPECT_EQ(high, 32767);
    EXPECT_EQ(low, -32767);
}

TEST(FftEngine, PitchMovesASteadyToneByItsRatio) {
    for (const auto& [p1, ratio] : {std::pair{212, 2.0}, std::pair{128, 1.5}, std::pair{2, 0.5}, std::pair{84, 1.25}})
        EXPECT_NEAR(PitchAfter(fx::FftPitch, 440, {p1, 2, 2}), 440 * ratio, 2) << p1;
}

TEST(FftEngine, PerfectPitchSnapsToTheScaleNote) {
    EXPECT_FLOAT_EQ(SnapToScale(250, 255), 247.25f);
    EXPECT_FLOAT_EQ(SnapToScale(250, 128), 247.25f);
    EXPECT_FLOAT_EQ(SnapToScale(230, 0), 233.1f);
    EXPECT_FLOAT_EQ(SnapToScale(215, 128), 220.15f);  // ranges include their start
    EXPECT_EQ(SnapToScale(119.5, 255), 119.5);
    EXPECT_EQ(SnapToScale(540, 255), 540);  // above 540 Hz the pitch is left alone

    EXPECT_NEAR(PitchAfter(fx::FftPerfectPitch, 250, {255, 2, 0}), 247.25, 1);
    // A key one semitone up hears 250 Hz as 236 Hz, whose note is 233.1 Hz.
    EXPECT_NEAR(PitchAfter(fx::FftPerfectPitch, 250, {255, 22, 0}), 250 * 233.1 / (250 * 0.9438743967462762), 1);
}

TEST(FftEngine, DigitizeKeepsOnlyTheBinsNearThePeak) {
    EffectBuffer buffer(40000), wide(40000);
    for (EffectBuffer* b : {&buffer, &wide})
        b->fill([](uint32_t f) {
            const double t = 2 * Pi * f / WaveFormat::sampleRate;
            const auto v = int16_t(8000 * std::sin(1000 * t) + 1000 * std::sin(3000 * t));
            return Frame{v, v};
        });
    buffer.apply(fx::FftDigitize, 0, 40000, 3, 2, 2);
    EXPECT_GT(ToneLevel(buffer, 1000, 8000, 34000), 8000);
    EXPECT_LT(ToneLevel(buffer, 3000, 8000, 34000), 20);
    wide.apply(fx::FftDigitize, 0, 40000, 255, 2, 2);
    EXPECT_NEAR(ToneLevel(wide, 3000, 8000, 34000), 1500, 30);
}

TEST(FftEngine, EqualizerScalesMagnitudesByItsCurveAndHalvesTheLevelAtItsDefaults) {
    // A tone at bin 256 (2756 Hz) weighted halfway between lo and mid.
    const double hz = 256 * 10.7666015625;
    const double full = LevelAfter(fx::FftEqualizer, hz, 200, {255, 255, 255});
    const double half = LevelAfter(fx::FftEqualizer, hz, 200, {128, 128, 128});
    EXPECT_NEAR(half / full, 128.0 / 255, 0.01);  // 6 dB below the flat curve, the tone kept
    const double once = LevelAfter(fx::FftEqualizer, hz, 200, {0, 128, 128});
    EXPECT_NEAR(once / half, 0.5, 0.01);
    EXPECT_NEAR(LevelAfter(fx::FftEqualizer, hz, 400, {0, 128, 128}) / once, 2.0, 0.05);  // the level scales, never squares
    // At bin 1024 (11025 Hz) the gain is a third, mid and hi being 0.5 and 0, against a
    // quarter at bin 256.
    EXPECT_NEAR(LevelAfter(fx::FftEqualizer, 1024 * 10.7666015625, 200, {0, 128, 0}) / once, 4.0 / 3.0, 0.03);
}

// Two steady tones centred on analysis bins, through the effect; their levels afterwards. A
// tone on bin k shows in the analysis as bin k at magnitude c and bins k +- 1 at c/2 (the Hann
// window); the chain returns a tone whose bins are a (centre) and b (each side) as a level of
// (2a + b)/c times its own, which is 1.5 for the untouched spectrum.
std::pair<double, double> TwoTonesAfter(EffectId id, std::array<int32_t, 3> p, int binA, double levelA, int binB,
                                        double levelB) {
    const double hzA = binA * 44100.0 / 4096, hzB = binB * 44100.0 / 4096;
    EffectBuffer buffer(40000);
    buffer.fill([&](uint32_t f) {
        const double t = 2 * Pi * f / WaveFormat::sampleRate;
        const auto v = int16_t(levelA * std::sin(hzA * t) + levelB * std::sin(hzB * t));
        return Frame{v, v};
    });
    buffer.apply(id, 0, 40000, p[0], p[1], p[2]);
    return {ToneLevel(buffer, hzA, 8000, 34000), ToneLevel(buffer, hzB, 8000, 34000)};
}

TEST(FftEngine, BowScalesEachBinByItsRatioToTheStrongest) {
    // The strongest tone keeps its centre and its sides drop from c/2 to c/4: (2 + 1/2)/2 = 1.25.
    // The weaker one, a quarter as strong, is scaled by a quarter as well.
    const auto [strong, weak] = TwoTonesAfter(fx::FftBow, {2, 2, 2}, 93, 8000, 279, 2000);
    EXPECT_NEAR(strong, 1.25 * 8000, 80);
    EXPECT_NEAR(weak, 1.25 * 2000 * 0.25, 10);
}

TEST(FftEngine, BassBoostAddsTheOctaveAboveToEachLowBin) {
    // K = 0.5. Bin 93 gains half of bin 186's magnitude; its sides read the empty bins 184 and
    // 188. So its level is (1.5 * 2000 + 0.5 * 8000) / 1.5; bin 186 reads the empty bin 372
    // and only loses the division.
    const auto [octave, low] = TwoTonesAfter(fx::FftBassBoost, {128, 2, 2}, 186, 8000, 93, 2000);
    EXPECT_NEAR(low, (1.5 * 2000 + 0.5 * 8000) / 1.5, 50);
    EXPECT_NEAR(octave, 1.5 * 8000 / 1.5, 80);
}

TEST(FftEngine, HarmonicsAddTheBinsAThirdAFifthAndASeventhBelow) {
    // Weights 0.5, 0.25, 0.25: norm 0.5. Through the third, bins 131, 132 and 133 read bins
    // 100, 101 and 102, and no other bin reads those three; through the fifth and the seventh
    // they read only empty bins. So the tone on bin 132 takes half of the tone on bin 101 at
    // the same shape: a level of 1.5 * 0.5 * (1000 + 0.5 * 8000).
    EXPECT_NEAR(TwoTonesAfter(fx::FftHarmonics, {128, 64, 64}, 101, 8000, 132, 1000).second, 1.5 * 0.5 * (1000 + 0.5 * 8000),
                50);
    // A tone whose lower bins are empty keeps only its own share.
    EXPECT_NEAR(TwoTonesAfter(fx::FftHarmonics, {128, 64, 64}, 1000, 4000, 40, 0).first, 1.5 * 0.5 * 4000, 40);
}

TEST(FftEngine, LeavesTheSelectionAloneWithoutWorkingStorage) {
    EffectBuffer buffer(20000);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    ApplyFftEffect(TrackSamples(buffer.project.trackBuffer.get(), 20000), FindEffect(fx::FftBow)->spectralStep, 0, 20000,
                   2, 2, 2, {},
                   [] { return std::unique_ptr<FftWorkspace>(); });
    EXPECT_EQ(buffer.snapshot(), before);
}

}  // namespace
}  // namespace jorv
