#include <gtest/gtest.h>

#include <string>

#include "effects/EffectCatalogue.h"
#include "tests/effects/EffectBuffer.h"
#include "tests/effects/ToneAnalysis.h"

namespace jorv {
namespace {

using test::EffectBuffer;

// The text beside bar `bar` of effect id for the parameters p.
std::string Shown(EffectId id, EffectParameters p, int bar) { return FindEffect(id)->readouts[bar](p, bar); }

// The number a readout shows, in its base unit (kHz read as Hz).
double Number(const std::string& text) {
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    return text.find("kHz", used) != std::string::npos ? value * 1000 : value;
}

// A full-scale level in dBFS back to a sample value.
double Level(const std::string& dbfs) { return 32767.0 * std::pow(10.0, Number(dbfs) / 20.0); }

TEST(ParameterReadouts, EveryParameterTheDialogOffersSaysWhatItMeansForEveryValue) {
    for (const EffectInfo& e : EffectCatalogue()) {
        for (int bar = 0; bar < 3; ++bar) {
            const bool offered = e.labels[bar] != "N/A";
            EXPECT_EQ(ParameterOffered(e, bar), offered) << e.catalogueName << bar;
            EXPECT_EQ(e.readouts[bar] != nullptr, offered) << e.catalogueName << bar;
            if (!e.readouts[bar]) continue;
            // Dialog values, and what a stored effect list may hold besides.
            for (int32_t v : {0, 1, 2, 64, 127, 128, 129, 200, 254, 255, 256, 300, -1, -300}) {
                EffectParameters p = e.defaults;
                p[bar] = v;
                const std::string text = e.readouts[bar](p, bar);
                EXPECT_FALSE(text.empty()) << e.catalogueName << bar << " " << v;
                EXPECT_EQ(text.find("nan"), std::string::npos) << e.catalogueName << bar << " " << v << ": " << text;
            }
        }
    }
}

TEST(ParameterReadouts, AGainShownAsMinusSixDecibelsHalvesTheAmplitude) {
    EffectBuffer buffer(100);
    buffer.fillConstant(10000, 10000);
    EXPECT_EQ(Shown(fx::Gain, {64, 254, 127}, 0), "-6.0 dB");
    EXPECT_EQ(Shown(fx::Gain, {64, 254, 127}, 2), "L100% R99%");
    buffer.apply(fx::Gain, 0, 50, 64, 254, 127);
    EXPECT_EQ(buffer.frame(0).left, 5000);
    // Gain reads its whole p1, so a stored 256 doubles rather than wrapping to nothing.
    EXPECT_EQ(Shown(fx::Gain, {256, 254, 127}, 0), "+6.0 dB");
    buffer.apply(fx::Gain, 50, 100, 256, 254, 127);
    EXPECT_EQ(buffer.frame(50).left, 20000);
    // The cutoff is where the result stops.
    EXPECT_EQ(Shown(fx::Gain, {256, 128, 127}, 1), "-6.0 dBFS");
    buffer.fillConstant(30000, 30000);
    buffer.apply(fx::Gain, 0, 10, 128, 128, 127);
    EXPECT_NEAR(buffer.frame(0).left, Level("-6.0 dBFS"), 200);
}

TEST(ParameterReadouts, AnEchoShownInMillisecondsLandsThatManyFramesLaterAtTheShownLevel) {
    EffectBuffer buffer(2000);
    buffer.frame(10) = {16000, 16000};
    const EffectParameters p{10, 128, 127};
    EXPECT_EQ(Shown(fx::Echo, p, 0), "14.5 ms");
    EXPECT_EQ(Shown(fx::Echo, p, 1), "-6.0 dB");
    buffer.apply(fx::Echo, 0, 2000, p[0], p[1], p[2]);
    uint32_t echo = 11;
    while (buffer.frame(echo).left == 0) ++echo;
    EXPECT_NEAR((echo - 10) / 44.1, Number("14.5 ms"), 0.05);
    EXPECT_EQ(buffer.frame(echo).left, 8000);
}

TEST(ParameterReadouts, ShiftShowsHowFarTheRangeAndOneChannelMove) {
    EffectBuffer buffer(3000);
    buffer.frame(100) = {1000, 2000};
    // p1 moves everything by (p1 - 128) * p2 values, two to a frame: 100 frames later.
    const EffectParameters p{130, 100, 118};
    EXPECT_EQ(Shown(fx::Shift, p, 0), "+2.27 ms");
    EXPECT_EQ(Shown(fx::Shift, p, 1), "\u00d7100");
    // p3 below 128 holds the left channel back by another (128 - p3) * p2 values: 500 frames.
    EXPECT_EQ(Shown(fx::Shift, p, 2), "L later 11.3 ms");
    buffer.apply(fx::Shift, 0, 3000, p[0], p[1], p[2]);
    EXPECT_EQ(buffer.frame(200).right, 2000);
    EXPECT_EQ(buffer.frame(700).left, 1000);
    EXPECT_EQ(Shown(fx::Shift, {126, 3, 138}, 0), "-0.068 ms");
    EXPECT_EQ(Shown(fx::Shift, {126, 3, 138}, 2), "R later 0.340 ms");
    EXPECT_EQ(Shown(fx::Shift, {126, 3, 128}, 2), "0 ms");
}

// A tone at the frequency shown comes out at half its power (within a tenth of a decibel of
// rounding and measuring).
TEST(ParameterReadouts, TheMovingAverageFiltersHalveThePowerAtTheFrequencyShown) {
    for (const EffectId id : {fx::LowPass, fx::HiPass}) {
        for (const int p1 : {206, 240, 254}) {
            const std::string text = Shown(id, {p1, 2, 127}, 0);
            EffectBuffer buffer(20000);
            test::FillTone(buffer, Number(text), 10000);
            buffer.apply(id, 0, 20000, p1, 2, 127);
            EXPECT_NEAR(test::ToneLevel(buffer, Number(text), 2000, 18000) / 10000, std::sqrt(0.5), 0.012)
                << id << " p1 " << p1 << ": " << text;
        }
    }
    EXPECT_EQ(Shown(fx::LowPass, {254, 2, 128}, 0), "11.0 kHz");  // the mean of two frames
}

TEST(ParameterReadouts, TheBandPassEdgesShownAreWhereTheBandFallsToHalf) {
    const EffectParameters p{100, 180, 127};
    const double low = Number(Shown(fx::BandPass, p, 0)), high = Number(Shown(fx::BandPass, p, 1));
    const auto level = [&](double hz) {
        EffectBuffer buffer(6000);
        test::FillTone(buffer, hz, 10000);
        buffer.apply(fx::BandPass, 0, 6000, p[0], p[1], p[2]);
        return test::ToneLevel(buffer, hz, 1000, 5000) / 10000;
    };
    EXPECT_NEAR(level((low + high) / 2), 1.0, 0.05);
    EXPECT_NEAR(level(low), 0.5, 0.05);
    EXPECT_NEAR(level(high), 0.5, 0.05);
    // A low band reaches down to 0 Hz: the band is widened by about 960 Hz on each side.
    EXPECT_EQ(Shown(fx::BandPass, {2, 254, 128}, 0), "0 Hz");
    EXPECT_EQ(Shown(fx::BandPass, {2, 254, 128}, 1), "22.1 kHz");
}

TEST(ParameterReadouts, RingsRateShownInHertzIsTheLengthOfOneTurn) {
    EffectBuffer buffer(40000);
    buffer.fillConstant(10000, 0);
    const std::string text = Shown(fx::Ring, {128, 2, 127}, 0);
    EXPECT_EQ(text, "3.43 Hz");
    buffer.apply(fx::Ring, 0, 40000, 128, 2, 127);
    // The phase starts again at 0 after a turn: the next frame at twice the level.
    uint32_t turn = 1000;
    while (buffer.frame(turn).left != 20000) ++turn;
    EXPECT_NEAR(44100.0 / turn, Number(text), 0.01);
}

// Whether effect id changes a steady passage of the given mean level over frames first..end-1
// of 4000 frames of silence.
bool ChangesAPassageAt(EffectId id, const EffectParameters& p, double level, uint32_t first = 1000,
                       uint32_t end = 3000) {
    EffectBuffer buffer(4000);
    buffer.fill([&](uint32_t f) {
        const auto v = int16_t(f >= first && f < end ? level + f % 7 - 3 : 0);
        return Frame{v, v};
    });
    const auto before = buffer.snapshot();
    buffer.apply(id, 0, 4000, p[0], p[1], p[2]);
    return buffer.snapshot() != before;
}

TEST(ParameterReadouts, NotesStartAndGatesStayOpenFromTheLevelShown) {
    for (const int p1 : {2, 128, 254}) {
        const EffectParameters note{p1, 128, 2};
        const double start = Level(Shown(fx::NotePitch, note, 1));
        EXPECT_TRUE(ChangesAPassageAt(fx::NotePitch, note, start * 1.03)) << p1;
        EXPECT_FALSE(ChangesAPassageAt(fx::NotePitch, note, start * 0.97)) << p1;
        // Noise Reduction leaves a passage without silence alone while its gate is open, and
        // smooths it once the gate has closed; p3 = 0 closes it in 100 frames.
        const EffectParameters gate{p1, 20, 0};
        EXPECT_EQ(Shown(fx::NoiseReduction, gate, 2), "2.27 ms");
        const double open = Level(Shown(fx::NoiseReduction, gate, 1));
        EXPECT_FALSE(ChangesAPassageAt(fx::NoiseReduction, gate, open * 1.03, 0, 4000)) << p1;
        EXPECT_TRUE(ChangesAPassageAt(fx::NoiseReduction, gate, open * 0.97, 0, 4000)) << p1;
    }
    EXPECT_EQ(Shown(fx::NotePitch, {212, 128, 2}, 0), "+12.0 semitones");
    EXPECT_EQ(Shown(fx::NotePitch, {2, 128, 2}, 0), "+3.0 semitones");  // labelled "-3rd", but up
}

TEST(ParameterReadouts, ChoicesAreNamedAsTheEffectsTakeThem) {
    EXPECT_EQ(Shown(fx::Turntable, {127, 128, 128}, 0), "Stop");
    EXPECT_EQ(Shown(fx::Turntable, {128, 128, 128}, 0), "Start");
    EXPECT_EQ(Shown(fx::Turntable, {128, 128, 128}, 1), "unused");
    EXPECT_EQ(Shown(fx::FftPerfectPitch, {63, 21, 0}, 0), "Minor");
    EXPECT_EQ(Shown(fx::FftPerfectPitch, {192, 22, 0}, 0), "Chromatic");
    EXPECT_EQ(Shown(fx::FftPerfectPitch, {192, 21, 0}, 1), "C");
    EXPECT_EQ(Shown(fx::FftPerfectPitch, {192, 254, 0}, 1), "B");
    EXPECT_EQ(Shown(fx::FftPerfectPitch, {192, 2, 128}, 2), "+50.7 cents");
    // The two Pitch effects differ at their "7th".
    EXPECT_EQ(Shown(fx::FftPitch, {200, 2, 2}, 0), "+9.7 semitones");
    EXPECT_EQ(Shown(fx::Pitch, {200, 2, 128}, 0), "+10.9 semitones");
    EXPECT_EQ(Shown(fx::Monotonize, {2, 2, 64}, 2), "L67% R33%");
}

}  // namespace
}  // namespace jorv
