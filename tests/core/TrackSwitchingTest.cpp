#include "core/TrackSwitching.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr uint32_t Frames = 16;

// Two tracks, the first one current.
class TrackSwitchingTest : public ::testing::Test {
protected:
    TrackSwitchingTest() {
        f.addTrack();
        f.addTrack();
    }
    std::vector<Frame> silence(uint32_t count = Frames) const { return std::vector<Frame>(count, Frame{0, 0}); }
    Bytes fileBytes(int track) const { return ReadFileBytes(f.waveFileOf(track)); }

    ProjectFixture f{Frames};
    Project& p = f.project;
};

TEST_F(TrackSwitchingTest, FlushWritesOnlyWhenDirtyAndAlwaysClearsTheFlag) {
    p.trackDirty = false;
    FlushTrack(p, f.ui);
    EXPECT_FALSE(std::filesystem::exists(f.waveFileOf(0)));

    p.trackDirty = true;
    FlushTrack(p, f.ui);
    EXPECT_FALSE(p.trackDirty);
    EXPECT_EQ(fileBytes(0), CanonicalWave(f.trackBufferFrames()));

    StoreField(p.block.tracks[0].waveFile, f.folder.file("missing-folder/t0.wav"));
    p.trackDirty = true;
    FlushTrack(p, f.ui);
    EXPECT_FALSE(p.trackDirty);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Could not save wave file."});
}

TEST_F(TrackSwitchingTest, SelectTrackSavesTheOldTrackShowsTheNewOneAndLoadsIt) {
    p.block.tracks[1].volume = 200;
    p.block.tracks[1].pan = 10;
    p.block.tracks[1].mute = 1;
    f.writeTrackFile(1, Ramp(10, 3));
    std::fill_n(p.trackBuffer.get(), Frames, Frame{42, 43});
    p.trackDirty = true;

    EXPECT_EQ(SelectTrack(p, 1, f.ui), 0);
    EXPECT_EQ(p.currentTrack, 1);
    EXPECT_FALSE(p.trackDirty);
    EXPECT_EQ(fileBytes(0), CanonicalWave(std::vector<Frame>(Frames, Frame{42, 43})));
    auto expected = Ramp(10, 3);
    expected.resize(Frames, Frame{0, 0});
    EXPECT_EQ(f.trackBufferFrames(), expected);
    EXPECT_EQ(f.ui.shownControls.back(), (RecordingUiServices::Controls{200, 10, true}));
    EXPECT_EQ(p.gainLeft[1], 200 * 255 / 256);
    EXPECT_EQ(p.gainRight[1], 200 * 138 / 256);
}

TEST_F(TrackSwitchingTest, ReselectingTheDirtyCurrentTrackWritesThenReadsItBack) {
    f.writeTrackFile(0, Ramp(4, 100));
    for (uint32_t k = 0; k < Frames; ++k) p.trackBuffer[k] = {int16_t(k), int16_t(k + 1)};
    const auto edited = f.trackBufferFrames();
    p.trackDirty = true;
    EXPECT_EQ(SelectTrack(p, 0, f.ui), 0);
    EXPECT_EQ(f.trackBufferFrames(), edited);
    EXPECT_EQ(fileBytes(0), CanonicalWave(edited));
}

TEST_F(TrackSwitchingTest, UnreadableNewTrackNeverReceivesAnotherTracksAudio) {
    f.writeTrackFile(0, Constant(Frames, 5000, 5000));
    Bytes damaged = CanonicalWave(Ramp(4, 1));
    damaged[0] = 'X';
    WriteFileBytes(f.waveFileOf(1), damaged);
    EXPECT_EQ(SelectTrack(p, 0, f.ui), 0);

    EXPECT_EQ(SelectTrack(p, 1, f.ui), 10);
    EXPECT_EQ(p.currentTrack, 1);
    EXPECT_EQ(f.trackBufferFrames(), silence());
    EXPECT_FALSE(p.trackDirty);

    // Leaving the track again must not write track 0's audio (or anything) over its file.
    EXPECT_EQ(SelectTrack(p, 0, f.ui), 0);
    EXPECT_EQ(fileBytes(1), damaged);
    EXPECT_EQ(f.trackBufferFrames(), Constant(Frames, 5000, 5000));
    // Shown on the failed select and on each backing-mix build that tries the track.
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>(3, "No RIFF header found in wav file."));
}

TEST_F(TrackSwitchingTest, BackingMixSumsTheOtherAudibleTracksWithTheirGains) {
    for (int t = 0; t < 3; ++t) f.addTrack();
    f.writeTrackFile(0, Constant(Frames, 30000, 30000));  // current: left out
    f.writeTrackFile(1, Constant(4, 1000, -1000));        // pan 0
    p.block.tracks[1].pan = 0;
    f.writeTrackFile(2, Constant(Frames, 3000, 3000));    // muted
    p.block.tracks[2].mute = 1;
    p.block.tracks[3].volume = 0;                          // volume 0: never read, file stays missing
    Bytes damaged = CanonicalWave(Constant(2, 1, 1));
    damaged[20] = 3;                                       // not PCM: shown and left out
    WriteFileBytes(f.waveFileOf(4), damaged);

    SelectTrack(p, 0, f.ui);
    auto expected = Constant(4, 1000 * 254 / 256, -1000 * 127 / 256 - 1);
    expected.resize(Frames, Frame{0, 0});
    EXPECT_EQ(f.buffer(p.backingMix), expected);
    EXPECT_FALSE(std::filesystem::exists(f.waveFileOf(3)));
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Not a PCM format wave file."});
}

TEST_F(TrackSwitchingTest, BuildingTheBackingMixCreatesMissingTrackFiles) {
    SelectTrack(p, 0, f.ui);
    EXPECT_EQ(fileBytes(1), CanonicalWave(silence(Frames - 1)));
    EXPECT_EQ(fileBytes(0), CanonicalWave(silence(Frames - 1)));
    EXPECT_EQ(f.buffer(p.backingMix), silence());
}

TEST_F(TrackSwitchingTest, PrepareOutputMixesTheCurrentTrackOnlyWhenAskedAndAudible) {
    f.writeTrackFile(1, Ramp(Frames, 100));
    SelectTrack(p, 0, f.ui);
    for (uint32_t k = 0; k < Frames; ++k) p.trackBuffer[k] = {256, -256};
    std::fill_n(p.scratchBuffer.get(), Frames, Frame{-5, -5});

    auto scratch = [&](uint32_t n) { return std::vector<Frame>(p.scratchBuffer.get(), p.scratchBuffer.get() + n); };
    const auto backing = f.buffer(p.backingMix);
    PrepareOutput(p, 3, 7, false);
    EXPECT_EQ(scratch(4), (std::vector<Frame>{backing.begin() + 3, backing.begin() + 7}));
    EXPECT_EQ(p.scratchBuffer[4], (Frame{-5, -5}));

    PrepareOutput(p, 3, 7, true);
    for (uint32_t k = 0; k < 4; ++k)
        EXPECT_EQ(p.scratchBuffer[k], (Frame{int16_t(backing[k + 3].left + 254), int16_t(backing[k + 3].right - 254)}));

    p.block.tracks[0].mute = 1;
    PrepareOutput(p, 3, 7, true);
    EXPECT_EQ(scratch(4), (std::vector<Frame>{backing.begin() + 3, backing.begin() + 7}));
}

TEST_F(TrackSwitchingTest, RefreshTrackMixPicksUpChangedGainsWithoutChangingTracks) {
    f.writeTrackFile(1, Constant(Frames, 1000, 1000));
    SelectTrack(p, 0, f.ui);
    p.block.tracks[1].volume = 128;
    p.block.tracks[0].pan = 0;
    RefreshTrackMix(p, f.ui);
    EXPECT_EQ(p.currentTrack, 0);
    EXPECT_EQ(f.ui.shownControls.back(), (RecordingUiServices::Controls{255, 0, false}));
    EXPECT_EQ(p.backingMix[0], (Frame{1000 * 127 / 256, 1000 * 127 / 256}));
}

}  // namespace
}  // namespace jorv::test
