#include <gtest/gtest.h>

#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

// Silence with one burst of frames 1000..1499 whose values are all +-1000.
EffectBuffer Burst() {
    EffectBuffer buffer(3000);
    buffer.fill([](uint32_t f) {
        if (f < 1000 || f >= 1500) return Frame{0, 0};
        return Frame{int16_t(f % 3 ? -1000 : 1000), int16_t(f % 2 ? -1000 : 1000)};
    });
    return buffer;
}

// With a window of 129 frames and cutoff 128, a note starts once 17 burst frames are in the
// window (level above 32768) and ends when no more than 8 are (level below 16384); the window
// writes to its centre, 64 frames behind its newest frame.
constexpr uint32_t NoteStart = 1000 + 16 - 64;
constexpr uint32_t NoteEnd = 1500 + 120 - 64;

TEST(NoteReverse, ReversesEachNoteBetweenItsStartAndEnd) {
    EffectBuffer buffer = Burst();
    const auto before = buffer.snapshot();
    buffer.apply(fx::NoteReverse, 0, 3000, 2, 128, 2);
    const auto after = buffer.snapshot();
    for (uint32_t f = 0; f < 3000; ++f) {
        const uint32_t source = f >= NoteStart && f < NoteEnd ? NoteStart + NoteEnd - 1 - f : f;
        ASSERT_EQ(after[2 * f], before[2 * source]) << f;
        ASSERT_EQ(after[2 * f + 1], before[2 * source + 1]) << f;
    }
}

TEST(NoteEffects, LeaveQuietRangesAndUnfinishedNotesAlone) {
    for (const EffectId id : {fx::NoteReverse, fx::NoteFade, fx::NoteReflect, fx::NotePitch}) {
        EffectBuffer quiet = Burst();
        const auto before = quiet.snapshot();
        quiet.apply(id, 0, 3000, 254, 255, 2);  // three frames of burst never reach 255 * 256
        EXPECT_EQ(quiet.snapshot(), before) << id;
        quiet.apply(id, 0, 1600, 2, 128, 2);  // the note is still sounding at the end
        EXPECT_EQ(quiet.snapshot(), before) << id;
    }
}

TEST(NoteFade, RampsEachValueOfTheNoteFromTheStartToTheEndVolume) {
    // Start and end volume also set the window (129 frames) and the thresholds (254): the note
    // runs from 33 burst frames in the window to no more than 16.
    EffectBuffer buffer = Burst();
    const auto before = buffer.snapshot();
    buffer.apply(fx::NoteFade, 0, 3000, 2, 254, 2);
    const auto after = buffer.snapshot();
    const uint32_t first = 1000 + 32 - 64, end = 1500 + 112 - 64;
    EXPECT_EQ(after[2 * first - 1], before[2 * first - 1]);
    // Value k of the note is scaled by 2/256 + k * (252/256) / 1160.
    EXPECT_EQ(after[2 * 1000], -62);      // k = 64
    EXPECT_EQ(after[2 * 1001 + 1], -64);  // k = 67, a right value one step beyond its left
    EXPECT_EQ(after[2 * 1499], -909);     // k = 1062
    EXPECT_EQ(after[2 * end], before[2 * end]);
}

TEST(NotePitch, AnOctavePlaysTheNoteTwiceAsFastThenSilence) {
    // p1 212 makes the window 24 frames: the note runs from frame 1004 to 1503.
    EffectBuffer buffer = Burst();
    const auto before = buffer.snapshot();
    buffer.apply(fx::NotePitch, 0, 3000, 212, 128, 2);
    const auto after = buffer.snapshot();
    const uint32_t p = 1004, q = 1503, m = q - 1 - p;
    for (uint32_t j = 0; j < m; ++j) {
        const int16_t expected = 2 * j < m ? before[2 * (p + 2 * j)] : 0;
        ASSERT_EQ(after[2 * (p + j)], expected) << j;
    }
    EXPECT_EQ(after[2 * (q - 1)], before[2 * (q - 1)]);
    EXPECT_EQ(after[2 * (p - 1)], before[2 * (p - 1)]);
}

TEST(NoteReflect, AddsTheNoteMirroredInFrontOfItsStartWrappingTheSums) {
    // A lone loud frame too quiet to start a note on its own, where the reflection of frame
    // 1104 (+1000 in both channels) lands.
    EffectBuffer buffer = Burst();
    buffer.frame(799) = {32000, 0};
    const auto before = buffer.snapshot();
    buffer.apply(fx::NoteReflect, 0, 3000, 2, 128, 2);
    EXPECT_EQ(buffer.frame(799).left, int16_t(-32536));  // 33000 wrapped
    EXPECT_EQ(buffer.frame(799).right, 1000);
    // Frame 951 - j receives frame 952 + j: the burst from j = 48, mirrored.
    for (uint32_t j = 0; j <= NoteEnd - NoteStart - 2; ++j) {
        if (NoteStart - 1 - j == 799) continue;
        ASSERT_EQ(buffer.frame(NoteStart - 1 - j).left, before[2 * (NoteStart + j)]) << j;
    }
    for (uint32_t f = NoteStart; f < 3000; ++f) ASSERT_EQ(buffer.frame(f).left, before[2 * f]) << f;
}

TEST(NoteReflect, NeverReachesThePartTheScanHasNotCovered) {
    // The window of 129 frames has its first centre at frame 65; the reflection stops above it.
    EffectBuffer buffer(3000);
    buffer.fill([](uint32_t f) { return f >= 60 && f < 600 ? Frame{1000, 1000} : Frame{0, 0}; });
    const auto before = buffer.snapshot();
    buffer.apply(fx::NoteReflect, 0, 3000, 2, 128, 2);
    EXPECT_EQ(buffer.snapshot(), before);
}

TEST(NoteWah, PassesTheWindowsHighPartWhenLoudAndItsLowPartWhenQuiet) {
    EffectBuffer loud(400), quiet(20000);
    loud.fillConstant(1000, -1000);
    quiet.fillConstant(10, -10);
    loud.apply(fx::NoteWah, 0, 400, 128, 1, 128);        // level 66000 above the cutoff 128
    quiet.apply(fx::NoteWah, 0, 20000, 128, 128, 128);   // level 660 below 16384
    EXPECT_EQ(loud.frame(200).left, 0);
    EXPECT_EQ(loud.frame(200).right, 0);
    EXPECT_EQ(quiet.frame(200).left, 0);
    EXPECT_EQ(quiet.frame(19000).left, 10);
    EXPECT_EQ(quiet.frame(19000).right, -10);
}

}  // namespace
}  // namespace jorv
