#include <gtest/gtest.h>

#include "shell/EffectDialogState.h"
#include "tests/effects/EffectBuffer.h"
#include "tests/support/RecordingUiServices.h"

namespace jorv {
namespace {

TEST(EffectDialog, OpensWithTheDefaultsUnlessAskedToKeepTheValues) {
    EffectDialogState state;
    state.dialogEffectId = fx::Fade;
    state.effectParams = {10, 20, 30};
    ASSERT_NE(OpenEffectDialog(state), nullptr);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{254, 2, 128}));

    state.effectParams = {10, 20, 30};
    state.keepValues = true;
    OpenEffectDialog(state);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{10, 20, 30}));

    state.keepValues = false;
    state.dialogEffectId = 32806;
    EXPECT_EQ(OpenEffectDialog(state), nullptr);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{10, 20, 30}));
}

TEST(EffectDialog, ArrowsStopAtTheEndsTheThumbSetsAndPagesDoNothing) {
    EffectDialogState state;
    state.effectParams = {2, 254, 100};
    ScrollEffectParameter(state, 0, ScrollCode::LineLeft, 0);
    ScrollEffectParameter(state, 1, ScrollCode::LineRight, 0);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{2, 254, 100}));
    ScrollEffectParameter(state, 0, ScrollCode::LineRight, 0);
    ScrollEffectParameter(state, 2, ScrollCode::PageLeft, 0);
    ScrollEffectParameter(state, 2, ScrollCode::EndScroll, 0);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{3, 254, 100}));
    ScrollEffectParameter(state, 1, ScrollCode::ThumbTrack, 40);
    ScrollEffectParameter(state, 2, ScrollCode::ThumbPosition, 41);
    EXPECT_EQ(state.effectParams, (std::array<int32_t, 3>{3, 40, 41}));
}

TEST(EffectDialog, ValuesSpeakTheEffectsUnitsAndNotApplicableBarsAreOff) {
    EffectDialogState state;
    state.dialogEffectId = fx::Echo;
    OpenEffectDialog(state);
    EXPECT_EQ(EffectValueText(state, 0), "186 ms");  // 64 * 128 frames
    EXPECT_EQ(EffectValueText(state, 1), "-6.0 dB");
    EXPECT_EQ(EffectValueText(state, 2), "L99% R100%");
    ScrollEffectParameter(state, 0, ScrollCode::ThumbTrack, 64);
    EXPECT_EQ(EffectValueText(state, 0), "92.9 ms");
    for (int bar = 0; bar < 3; ++bar) EXPECT_TRUE(EffectBarEnabled(state, bar));

    // An "N/A" bar shows its plain number, and cannot be moved.
    state.dialogEffectId = fx::FftPitch;
    OpenEffectDialog(state);
    EXPECT_EQ(EffectValueText(state, 0), "+7.0 semitones");
    EXPECT_EQ(EffectValueText(state, 1), "2");
    EXPECT_TRUE(EffectBarEnabled(state, 0));
    EXPECT_FALSE(EffectBarEnabled(state, 1));
    EXPECT_FALSE(EffectBarEnabled(state, 2));

    // An id without a row keeps plain numbers on bars that move.
    state.dialogEffectId = 32806;
    state.effectParams = {41, 42, 43};
    EXPECT_EQ(EffectValueText(state, 1), "42");
    EXPECT_TRUE(EffectBarEnabled(state, 1));
}

struct AcceptFixture : ::testing::Test {
    test::EffectBuffer buffer{400000};
    test::RecordingUiServices ui;
    EffectDialogState state;
};

TEST_F(AcceptFixture, OkAppliesMarksDirtyAndSoundsEvenForAnEmptySelection) {
    buffer.fillConstant(1000, 1000);
    buffer.project.selectionStart = 0;
    buffer.project.selectionEnd = 10;
    state.dialogEffectId = fx::Negate;
    AcceptEffectDialog(state, buffer.project, buffer.random, ui);
    EXPECT_EQ(buffer.frame(0).left, 0);
    EXPECT_EQ(buffer.frame(10).left, 1000);
    EXPECT_TRUE(buffer.project.trackDirty);
    EXPECT_EQ(ui.notificationSounds, 1);
    EXPECT_EQ(ui.fullRedraws, 1);
    EXPECT_TRUE(ui.progress.empty());

    buffer.project.trackDirty = false;
    buffer.project.selectionEnd = 0;
    AcceptEffectDialog(state, buffer.project, buffer.random, ui);
    EXPECT_TRUE(buffer.project.trackDirty);
    EXPECT_EQ(ui.notificationSounds, 2);
}

TEST_F(AcceptFixture, LongFftRunsShowTheirProgressAndShortOnesDoNot) {
    state.dialogEffectId = fx::FftBow;
    buffer.project.selectionEnd = ProgressShownAboveFrames;
    AcceptEffectDialog(state, buffer.project, buffer.random, ui);
    EXPECT_TRUE(ui.progress.empty());

    buffer.project.selectionEnd = 400000;
    AcceptEffectDialog(state, buffer.project, buffer.random, ui);
    ASSERT_FALSE(ui.progress.empty());
    EXPECT_EQ(ui.progressCaption, "FFT Bow");
    EXPECT_TRUE(std::is_sorted(ui.progress.begin(), ui.progress.end()));
    EXPECT_GT(ui.progress.back(), 0.99);
    EXPECT_EQ(ui.progressEnded, 1);
}

}  // namespace
}  // namespace jorv
