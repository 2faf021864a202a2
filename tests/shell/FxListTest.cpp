#include "shell/FxListActions.h"

#include <gtest/gtest.h>

#include "effects/EffectCatalogue.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

constexpr int GainRow = 0, ReverseRow = 33;

struct FxListTest : ::testing::Test, ShellFixture {
    FxListTest() {
        context.project = std::move(files.project);
        const std::vector<Frame> ramp = Ramp(Frames, 1);
        std::copy(ramp.begin(), ramp.end(), project.trackBuffer.get());
        project.selectionEnd = Frames;
        // The parameter dialog as a user leaves it: the bars moved to 200, then OK or Cancel.
        window.effectDialog = [this] {
            OpenEffectDialog(context.effectDialog);
            context.effectDialog.effectParams[0] = 200;
            return EffectDialogCancel;
        };
    }
    static constexpr uint32_t Frames = 4000;
    ProjectFixture files{Frames};
    Project& project = context.project;
    EffectChain chain = NewEffectChain();
    std::vector<std::string> shown;
    ChainProgress show = [this](std::string_view text) { shown.emplace_back(text); };
};

TEST_F(FxListTest, PickingAndEditingKeepTheDialogsValuesWithoutApplyingThem) {
    AddChainEffect(context, chain, GainRow);
    ASSERT_EQ(chain.chainCount, 1);
    EXPECT_EQ(chain.chainItems[0].p1, 200);
    EXPECT_EQ(chain.chainItems[0].p2, EffectCatalogue()[GainRow].defaults[1]);
    EXPECT_FALSE(context.effectDialog.pickOnly);
    EXPECT_EQ(project.trackBuffer[10], (Frame{10, -10}));  // nothing applied yet
    chain.chainItems[0].p2 = 77;
    EditChainEffect(context, chain, 0);
    EXPECT_EQ(chain.chainItems[0].p2, 77);  // the dialog started from the item's values
    EXPECT_FALSE(context.effectDialog.keepValues);
}

TEST_F(FxListTest, OkAppliesTheChainAndAnEmptyChainLeavesTheTrack) {
    ApplyFxList(context, chain, show);
    EXPECT_FALSE(project.trackDirty);
    EXPECT_TRUE(shown.empty());
    AddChainItem(chain, {ReverseRow, 128, 128, 128});
    chain.blend = 255;
    ApplyFxList(context, chain, show);
    EXPECT_TRUE(project.trackDirty);
    EXPECT_EQ(shown, (std::vector<std::string>{"Applying effects.", "Effects Applied: 1"}));
    EXPECT_NEAR(project.trackBuffer[1999].left, 2000, 2);  // the reversed ramp at the blend's peak
}

TEST_F(FxListTest, AuditionPlaysTheProcessedMiddleAndLeavesTheTrackBitForBit) {
    AddChainItem(chain, {ReverseRow, 128, 128, 128});
    chain.blend = 255;
    wave.position = 2000;  // the output has played the window
    const std::vector<Frame> before = files.buffer(project.trackBuffer);
    EXPECT_TRUE(AuditionFxList(context, chain, show, [] {}));
    EXPECT_EQ(wave.calls, (std::vector<std::string>{"playScratch 2000", "stop"}));
    ASSERT_EQ(wave.played.size(), 2000u);
    EXPECT_NEAR(wave.played[1000].left, 2000, 2);  // frames 1000..2999, reversed, at the peak
    EXPECT_EQ(std::vector<Frame>(project.trackBuffer.get(), project.trackBuffer.get() + Frames), before);
    EXPECT_FALSE(project.trackDirty);

    // An output that never moves: the wait still ends, a second after the window's time.
    wave.position = 0;
    EXPECT_TRUE(AuditionFxList(context, chain, show, [] {}));
    project.selectionEnd = 513;
    EXPECT_FALSE(AuditionFxList(context, chain, show, [] {}));
}

}  // namespace
}  // namespace jorv::test
