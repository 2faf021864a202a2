#include <gtest/gtest.h>

#include <set>
#include <string>

#include "effects/EffectArguments.h"
#include "effects/EffectCatalogue.h"
#include "effects/EffectRandom.h"
#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

// Saved effect lists name an effect by its row: these positions must never change.
TEST(EffectCatalogue, KeepsEachEffectAtTheRowSavedEffectListsName) {
    const EffectId order[] = {32802, 32803, 32804, 32805, 32859, 32807, 32808, 32810, 32811, 32812, 32814, 32815,
                              32816, 32817, 32819, 32820, 32821, 32860, 32823, 32824, 32825, 32826, 32827, 32828,
                              32829, 32831, 32832, 32833, 32834, 32835, 32837, 32838, 32839, 32840, 32841};
    ASSERT_EQ(EffectCatalogue().size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(EffectCatalogue()[i].id, order[i]) << i;
    EXPECT_EQ(EffectCatalogue()[18].catalogueName, "FFT Pitch");
}

TEST(EffectCatalogue, EveryEffectSitsInAnFxPopupAndRunsOneWay) {
    std::set<std::string_view> popups;
    for (const EffectInfo& e : EffectCatalogue()) {
        popups.insert(e.popup);
        EXPECT_NE(e.algorithm == nullptr, e.spectralStep == nullptr) << e.catalogueName;
    }
    EXPECT_EQ(popups.size(), EffectPopups().size());
    EXPECT_EQ(FindEffect(32806), nullptr);  // a menu separator's number
}

TEST(EffectArguments, DeriveThePanGainsAndTheClipLevel) {
    const auto pan = [](int p3) {
        EffectRandom random;
        const EffectArguments a = MakeEffectArguments(0, 1, 0, 0, p3, random);
        return std::pair{a.panLeft, a.panRight};
    };
    EXPECT_EQ(pan(0), (std::pair{1.0f, 0.0f}));
    EXPECT_EQ(pan(255), (std::pair{0.0f, 1.0f}));
    EXPECT_EQ(pan(127), (std::pair{1.0f, 0.9921875f}));
    EXPECT_EQ(pan(128), (std::pair{0.9921875f, 1.0f}));
    EXPECT_EQ(pan(256 + 64), (std::pair{1.0f, 0.5f}));  // only the low byte counts
    EffectRandom random;
    EXPECT_EQ(MakeEffectArguments(0, 1, 0, 254, 0, random).clipLevel, 32512);
    EXPECT_EQ(MakeEffectArguments(0, 1, 0, 300, 0, random).clipLevel, 38400);  // the whole p2
}

TEST(ApplyEffect, AnEmptyRangeChangesNothingAndReturnsMinusOne) {
    EffectBuffer buffer(64);
    buffer.fillNoise();
    const auto before = buffer.snapshot();
    EXPECT_EQ(buffer.apply(fx::Reverse, 10, 10, 2, 2, 2), -1);
    EXPECT_EQ(buffer.apply(fx::Reverse, 20, 10, 2, 2, 2), -1);
    EXPECT_EQ(buffer.snapshot(), before);
    EXPECT_EQ(buffer.apply(fx::Reverse, 10, 20, 2, 2, 2), 0);
    EXPECT_NE(buffer.snapshot(), before);
}

TEST(ApplyEffect, IgnoresThePartOfARangeBeyondTheBufferAndUnknownIds) {
    EffectBuffer buffer(64);
    buffer.fillNoise();
    auto expected = buffer.snapshot();
    // Reversing 60..1000 reverses what exists of it: frames 60..63.
    EXPECT_EQ(buffer.apply(fx::Reverse, 60, 1000, 2, 2, 2), 0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(buffer.values()[2 * (60 + k)], expected[2 * (63 - k)]);
    }
    expected = buffer.snapshot();
    EXPECT_EQ(buffer.apply(fx::Reverse, 100, 200, 2, 2, 2), 0);
    EXPECT_EQ(buffer.apply(32806, 0, 64, 2, 2, 2), 0);
    EXPECT_EQ(buffer.snapshot(), expected);
}

// Effects that need room to work leave a range up to their shortest unchanged, and work on one
// frame more: the chorus its depth plus one, the windows their width, Echo its delay, the FFT
// effects three hops (then only the frame after the first), the grain pitch shift two grains.
struct ShortestRange {
    EffectId id;
    std::array<int32_t, 3> p;  // gate cutoffs above the noise's level, so that the gates close
    uint32_t longestUnchanged;
};

TEST(ApplyEffect, RangesUpToTheShortestAreLeftAlone) {
    const ShortestRange cases[] = {
        {fx::Chorus2, {128, 128, 128}, 129},    {fx::Chorus3, {128, 128, 128}, 129},
        {fx::LowPass, {128, 100000, 128}, 128}, {fx::HiPass, {128, 100000, 128}, 128},
        {fx::NoiseReduction, {128, 100000, 128}, 66}, {fx::NoteWah, {128, 100000, 128}, 66},
        {fx::Echo, {128, 128, 128}, 8193},      {fx::FftEqualizer, {128, 128, 128}, 3073},
        {fx::Pitch, {128, 2, 128}, 4096},
    };
    for (const ShortestRange& c : cases) {
        EffectBuffer buffer(9000);
        buffer.fillNoise();
        const auto before = buffer.snapshot();
        buffer.apply(c.id, 100, 100 + c.longestUnchanged, c.p[0], c.p[1], c.p[2]);
        EXPECT_EQ(buffer.snapshot(), before) << c.id;
        buffer.apply(c.id, 100, 101 + c.longestUnchanged, c.p[0], c.p[1], c.p[2]);
        EXPECT_NE(buffer.snapshot(), before) << c.id;
        if (FindEffect(c.id)->spectralStep) {
            EXPECT_EQ(test::FirstChangeOutside(before, buffer.snapshot(), 101, 102), -1);
        }
    }
}

// Whatever the effect and parameters: frames outside the range never change, silence stays
// silence, and a range that ends at the end of the buffer never reads or writes past it.
class EveryEffect : public ::testing::TestWithParam<EffectInfo> {};

TEST_P(EveryEffect, ChangesOnlyItsRangeAndKeepsSilenceSilent) {
    const EffectInfo& effect = GetParam();
    const std::array<std::array<int32_t, 3>, 4> parameterSets = {
        effect.defaults, std::array<int32_t, 3>{2, 2, 2}, std::array<int32_t, 3>{254, 254, 254},
        std::array<int32_t, 3>{0, 255, 0}};
    for (const auto& p : parameterSets) {
        EffectBuffer noisy(20000);
        noisy.fillNoise();
        const auto before = noisy.snapshot();
        EXPECT_EQ(noisy.apply(effect.id, 3000, 15000, p[0], p[1], p[2]), 0);
        EXPECT_EQ(test::FirstChangeOutside(before, noisy.snapshot(), 3000, 15000), -1) << p[0] << " " << p[1];

        EffectBuffer silent(20000);
        silent.apply(effect.id, 3000, 15000, p[0], p[1], p[2]);
        EXPECT_EQ(silent.snapshot(), std::vector<int16_t>(40000, 0)) << p[0] << " " << p[1];

        // The buffer's end: 64 guard frames lie beyond the 12000 the effect is given. Loud or
        // silent, they must neither change nor change the result (the sanitizer build also
        // sees any access past the end of a buffer of the exact size).
        for (const uint32_t length : {1u, 100u, 300u, 5000u, 12000u}) {
            std::vector<int16_t> results[2];
            for (const uint32_t guardSeed : {0u, 11u}) {
                EffectBuffer atEnd(12000 + 64);
                atEnd.fillNoise();
                int16_t* guard = atEnd.values() + 2 * 12000;
                if (guardSeed == 0) std::fill_n(guard, 128, int16_t{0});
                const std::vector<int16_t> guardBefore(guard, guard + 128);
                atEnd.project.framesPerTrack = 12000;
                const auto before = atEnd.snapshot();
                atEnd.apply(effect.id, 12000 - length, 12000, p[0], p[1], p[2]);
                EXPECT_EQ(test::FirstChangeOutside(before, atEnd.snapshot(), 12000 - length, 12000), -1) << length;
                EXPECT_EQ(std::vector<int16_t>(guard, guard + 128), guardBefore) << length;
                results[guardSeed != 0] = atEnd.snapshot();
            }
            EXPECT_EQ(results[0], results[1]) << "read past the end, range of " << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryEffect, ::testing::ValuesIn(EffectCatalogue().begin(), EffectCatalogue().end()),
                         [](const auto& info) { return std::to_string(info.param.id); });

}  // namespace
}  // namespace jorv
