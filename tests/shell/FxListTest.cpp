#include "shell/FxListActions.h"

#include <gtest/gtest.h>

#include "effects/EffectCatalogue.h"
#include "effects/EffectListFile.h"
#include "shell/EffectListDialogs.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr int GainRow = 0, FftPitchRow = 18, ReverseRow = 33;

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

TEST(EffectListFile, RoundTripsAsItsBytesAndRefusesChainsThatNameNoEffect) {
    TempFolder folder;
    RecordingUiServices ui;
    EffectListFolders folders;
    EffectChain chain = NewEffectChain();
    AddChainItem(chain, {FftPitchRow, 10, 20, 30});
    const std::string path = folder.file("chain.jfx");
    ui.fileChoices = {path};
    SaveEffectList(folders, chain, "/start", ui);
    EXPECT_EQ(ui.fileRequests[0].title, "Save JFX File");
    const Bytes bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 268u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), std::string("1\0.\0000\0000\0", 8));
    EXPECT_EQ(bytes[12], 18);  // FFT Pitch is stored as its row

    EffectChain loaded = NewEffectChain();
    ui.fileChoices = {path};
    EXPECT_TRUE(LoadEffectList(folders, loaded, "/start", ui));
    EXPECT_EQ(loaded.chainItems[0].p3, 30);
    EXPECT_EQ(ui.fileRequests[1].initialFolder, "/start");

    Bytes damaged = bytes;
    damaged[8] = 17;  // seventeen items
    WriteFileBytes(path, damaged);
    EXPECT_FALSE(ReadEffectListFile(loaded, path));
    damaged = bytes;
    damaged[12] = 35;  // no such row
    WriteFileBytes(path, damaged);
    ui.fileChoices = {path};
    EXPECT_FALSE(LoadEffectList(folders, loaded, "/start", ui));
    EXPECT_EQ(ui.messages.back().text, "There has been an error opening the .jfx file.");
    EXPECT_EQ(loaded.chainItems[0].effectRow, FftPitchRow);
    WriteFileBytes(path, {bytes.begin(), bytes.begin() + 10});  // short: the rest stays
    EXPECT_TRUE(ReadEffectListFile(loaded, path));
    EXPECT_EQ(loaded.chainItems[0].p3, 30);
}

}  // namespace
}  // namespace jorv::test
