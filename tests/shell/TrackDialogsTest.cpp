#include <gtest/gtest.h>

#include "shell/CommandIds.h"
#include "shell/MasterDialogLogic.h"
#include "shell/TrackPropertiesDialogLogic.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

constexpr uint32_t Frames = 32;

class TrackDialogsTest : public ::testing::Test {
protected:
    std::string title(int t) const { return FieldToUtf8(p.block.tracks[t].title); }
    ProjectFixture f{Frames};
    Project& p = f.project;
};

TEST_F(TrackDialogsTest, TrackPropertiesKeepsFifteenCharactersAndNotifiesTheWindow) {
    f.addTrack();
    AcceptTrackProperties(p, "A very long title indeed", f.ui);
    EXPECT_EQ(title(0), "A very long tit");
    EXPECT_EQ(f.waveFileOf(0), f.folder.file("t0.wav"));  // the file is not renamed
    EXPECT_EQ(f.ui.trackList, std::vector<std::string>{"A very long tit"});
    EXPECT_EQ(f.ui.posted.back().id, cmd::TrackPropertiesClosed);
}

TEST_F(TrackDialogsTest, MasterStoresAtOnceAndTheMixFollowsOnOk) {
    f.addTrack();
    f.addTrack();
    f.writeTrackFile(1, Constant(Frames, 1000, 1000));
    SelectTrack(p, 0, f.ui);
    MasterThumbMoved(p, 1, MasterBar::Volume, 128);
    MasterThumbMoved(p, 0, MasterBar::Pan, 0);
    MasterMuteClicked(p, 0);
    MasterMuteClicked(p, 9);  // a row beyond the tracks stores into an unused record
    EXPECT_EQ(p.block.tracks[1].volume, 128);
    EXPECT_EQ(p.block.tracks[9].mute, 1);
    EXPECT_EQ(p.backingMix[0], (Frame{992, 992}));  // not yet
    AcceptMaster(p, f.ui);
    EXPECT_EQ(p.backingMix[0], (Frame{496, 496}));
    EXPECT_EQ(f.ui.shownControls.back(), (RecordingUiServices::Controls{255, 0, true}));
    EXPECT_TRUE(f.ui.checks.at(cmd::Mute));
}

}  // namespace
}  // namespace jorv::test
