#include "core/TrackManagement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/TrackSwitching.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr uint32_t Frames = 32;

class TrackManagementTest : public ::testing::Test {
protected:
    TrackManagementTest() { p.clipperPath = f.folder.file("clipper.wav"); }
    std::string title(int t) const { return FieldToUtf8(p.block.tracks[t].title); }
    ProjectFixture f{Frames};
    Project& p = f.project;
};

TEST_F(TrackManagementTest, AddMakesANewSilentTrackBesideTheProgramAndAsksForItsProperties) {
    ASSERT_TRUE(AddTrack(p, f.ui));
    EXPECT_EQ(p.block.header.trackCount, 1);
    EXPECT_EQ(title(0), "Track 1");
    EXPECT_EQ(f.waveFileOf(0), f.folder.file("song-Track 1.wav"));
    EXPECT_EQ(p.block.tracks[0].volume, 255);
    EXPECT_EQ(p.block.tracks[0].pan, 127);
    EXPECT_TRUE(p.trackDirty);
    EXPECT_TRUE(std::filesystem::exists(f.waveFileOf(0)));
    EXPECT_EQ(f.trackBufferFrames(), std::vector<Frame>(Frames, Frame{0, 0}));

    // A file left behind under the next track's name is picked up.
    WriteFileBytes(f.folder.file("song-Track 2.wav"), CanonicalWave(Constant(4, 9, 9)));
    ASSERT_TRUE(AddTrack(p, f.ui));
    EXPECT_EQ(p.currentTrack, 1);
    EXPECT_EQ(p.trackBuffer[0], (Frame{9, 9}));
}

TEST_F(TrackManagementTest, TheSixteenthTrackIsTheLastAndCloningCannotPassIt) {
    for (int t = 0; t < MaxTracks; ++t) ASSERT_TRUE(AddTrack(p, f.ui)) << t;
    const ProjectBlock before = p.block;
    f.ui.messages.clear();
    EXPECT_FALSE(AddTrack(p, f.ui));
    EXPECT_FALSE(CloneTrack(p, f.ui));
    EXPECT_FALSE(CloneMerged(p, f.ui));
    EXPECT_EQ(std::memcmp(&p.block, &before, sizeof before), 0);
    ASSERT_EQ(f.ui.messages.size(), 3u);
    for (const auto& m : f.ui.messages) {
        EXPECT_EQ(m.text, "You have reached the maximum number of tracks.  Mix tracks down before adding more.");
        EXPECT_EQ(m.caption, "Unable to complete request.");
    }
}

TEST_F(TrackManagementTest, DeleteMovesLaterRecordsDownAndSelectsTrackZero) {
    for (int t = 0; t < 3; ++t) f.addTrack();
    StoreField(p.block.tracks[2].title, "Third");
    p.block.tracks[15].volume = 99;
    p.currentTrack = 1;
    p.trackDirty = true;
    ASSERT_TRUE(DeleteTrack(p, f.ui));
    EXPECT_EQ(p.block.header.trackCount, 2);
    EXPECT_EQ(title(1), "Third");
    EXPECT_EQ(p.block.tracks[14].volume, 99);  // moved down; record 15 keeps its old contents
    EXPECT_EQ(p.block.tracks[15].volume, 99);
    EXPECT_EQ(p.currentTrack, 0);
    EXPECT_FALSE(p.trackDirty);
    EXPECT_FALSE(std::filesystem::exists(f.folder.file("t1.wav")));  // unsaved changes were dropped
    EXPECT_EQ(f.ui.trackList, (std::vector<std::string>{"Track 1", "Third"}));

    ASSERT_TRUE(DeleteTrack(p, f.ui));
    EXPECT_FALSE(DeleteTrack(p, f.ui));
    EXPECT_EQ(f.ui.messages.back().text, "You can not delete the only remaining track.");
    EXPECT_EQ(p.block.header.trackCount, 1);
}

TEST_F(TrackManagementTest, CloneCopiesTheRecordAndTheUnsavedAudioOfTheCurrentTrack) {
    f.addTrack();
    p.block.tracks[0].volume = 100;
    p.block.tracks[0].pan = 30;
    SelectTrack(p, 0, f.ui);
    std::fill_n(p.trackBuffer.get(), Frames, Frame{500, -500});
    p.trackDirty = true;
    ASSERT_TRUE(CloneTrack(p, f.ui));
    EXPECT_EQ(p.currentTrack, 1);
    EXPECT_EQ(title(1), "Track 2");
    EXPECT_EQ(p.block.tracks[1].volume, 100);
    EXPECT_EQ(p.block.tracks[1].pan, 30);
    EXPECT_EQ(f.waveFileOf(1), f.folder.file("song-Track 2.wav"));
    EXPECT_EQ(p.trackBuffer[0], (Frame{500, -500}));
    EXPECT_EQ(p.trackBuffer[Frames - 1], (Frame{0, 0}));  // the clipboard holds all frames but the last
    EXPECT_TRUE(p.trackDirty);
    // The source track's file keeps its last saved state.
    EXPECT_EQ(ReadFileBytes(f.waveFileOf(0)), CanonicalWave(Constant(Frames - 1, 0, 0)));
    EXPECT_EQ(f.ui.shownControls.back(), (RecordingUiServices::Controls{100, 30, false}));
}

TEST_F(TrackManagementTest, CloneMergedMixesEveryAudibleTrackAndCanMuteTheSources) {
    for (int t = 0; t < 3; ++t) f.addTrack();
    f.writeTrackFile(1, Constant(Frames, 1000, 1000));
    f.writeTrackFile(2, Constant(Frames, 50, 50));
    p.block.tracks[2].mute = 1;
    SelectTrack(p, 0, f.ui);
    std::fill_n(p.trackBuffer.get(), Frames, Frame{256, 256});
    f.ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(CloneMerged(p, f.ui));
    EXPECT_EQ(p.currentTrack, 3);
    EXPECT_EQ(title(3), "Track 4");
    EXPECT_EQ(p.trackBuffer[0], (Frame{992 + 254, 992 + 254}));
    EXPECT_EQ(f.ui.messages.back().text, "Mute all merged tracks?");
    EXPECT_EQ(f.ui.messages.back().caption, "Clone Jorv Tracks");
    for (int t = 0; t < 3; ++t) EXPECT_EQ(p.block.tracks[t].mute, 1) << t;
    EXPECT_EQ(p.block.tracks[3].mute, 0);
    // The answer is heard at once: the muted sources have left the backing mix.
    EXPECT_EQ(f.buffer(p.backingMix), std::vector<Frame>(Frames, Frame{0, 0}));

    ASSERT_TRUE(CloneMerged(p, f.ui));  // answered No: every mute stays
    EXPECT_EQ(p.block.tracks[3].mute + p.block.tracks[4].mute, 0);
}

TEST_F(TrackManagementTest, MuteTogglesOnlyALoadedIdleProject) {
    f.addTrack();
    EXPECT_FALSE(ToggleMute(p));
    EXPECT_EQ(p.current().mute, 0);
    p.projectLoaded = true;
    p.busy = true;
    EXPECT_FALSE(ToggleMute(p));
    EXPECT_EQ(p.current().mute, 0);
    p.busy = false;
    EXPECT_TRUE(ToggleMute(p));
    EXPECT_EQ(p.current().mute, 1);
}

}  // namespace
}  // namespace jorv::test
