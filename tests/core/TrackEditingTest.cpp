#include "core/TrackEditing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Gains.h"
#include "core/WaveFile.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr uint32_t Frames = 300;

class TrackEditingTest : public ::testing::Test {
protected:
    TrackEditingTest() {
        p.clipperPath = clip;
        f.addTrack();
        ComputeGains(p);
        setTrack(Ramp(Frames, 7));
        select(100, 200);
    }
    void setTrack(const std::vector<Frame>& frames) { std::copy(frames.begin(), frames.end(), p.trackBuffer.get()); }
    void setClip(const std::vector<Frame>& frames) { WriteFileBytes(clip, CanonicalWave(frames)); }
    void select(uint32_t start, uint32_t end) {
        p.selectionStart = start;
        p.selectionEnd = end;
    }
    std::vector<Frame> range(uint32_t from, uint32_t to) const {
        return {p.trackBuffer.get() + from, p.trackBuffer.get() + to};
    }
    ProjectFixture f{Frames};
    Project& p = f.project;
    std::string clip = f.folder.file("clipper.wav");
};

std::vector<Frame> Slice(const std::vector<Frame>& frames, uint32_t from, uint32_t to) {
    return {frames.begin() + from, frames.begin() + to};
}

TEST_F(TrackEditingTest, CutLeavesSilenceInPlaceAndTheClipHoldsTheSelection) {
    EXPECT_EQ(CutSelection(p, f.ui).code(), 0);
    EXPECT_EQ(ReadFileBytes(clip), CanonicalWave(Slice(Ramp(Frames, 7), 100, 200)));
    EXPECT_EQ(range(100, 200), Constant(100, 0, 0));
    EXPECT_EQ(range(0, 100), Slice(Ramp(Frames, 7), 0, 100));
    EXPECT_EQ(range(200, Frames), Slice(Ramp(Frames, 7), 200, Frames));
    EXPECT_TRUE(p.trackDirty);

    select(5, 5);
    EXPECT_EQ(CopySelection(p, f.ui).code(), 0);
    EXPECT_EQ(ReadFileBytes(clip), CanonicalWave({}));

    // A selection reaching (or passing) the buffer's end takes its last frame too.
    select(Frames - 20, Frames + 50);
    EXPECT_EQ(CutSelection(p, f.ui).code(), 0);
    EXPECT_EQ(ReadFileBytes(clip), CanonicalWave(Slice(Ramp(Frames, 7), Frames - 20, Frames)));
    EXPECT_EQ(range(Frames - 20, Frames), Constant(20, 0, 0));
}

TEST_F(TrackEditingTest, ACutWhoseClipboardCannotBeWrittenKeepsTheAudio) {
    p.clipperPath = f.folder.file("no-such-folder/clipper.wav");
    EXPECT_EQ(CutSelection(p, f.ui).code(), -1);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Could not save wave file."});
    EXPECT_EQ(f.trackBufferFrames(), Ramp(Frames, 7));
    EXPECT_FALSE(p.trackDirty);
}

TEST_F(TrackEditingTest, PasteScalesTheClipByTheGainsAndFillsPastItsEndWithSilence) {
    setClip(Constant(50, 256, -256));
    EXPECT_EQ(PasteClip(p, PasteMode::Replace, f.ui).code(), 0);
    EXPECT_EQ(range(100, 150), Constant(50, 254, -254));  // volume 255, centre pan: 254/256
    EXPECT_EQ(range(150, 200), Constant(50, 0, 0));
    EXPECT_EQ(range(200, 201), Slice(Ramp(Frames, 7), 200, 201));

    setClip(Constant(250, 256, 256));  // a longer clip gives only its first frames
    select(0, 10);
    PasteClip(p, PasteMode::Replace, f.ui);
    EXPECT_EQ(range(0, 10), Constant(10, 254, 254));
    EXPECT_EQ(p.trackBuffer[10], Ramp(Frames, 7)[10]);
}

TEST_F(TrackEditingTest, AnEmptySelectionPastesNothingButMarksTheTrack) {
    setClip(Constant(10, 999, 999));
    select(40, 40);
    for (auto edit : {+[](Project& q, UiServices& ui) { return PasteClip(q, PasteMode::Add, ui); }, RingClip, NegateClip}) {
        p.trackDirty = false;
        EXPECT_EQ(edit(p, f.ui).code(), 0);
        EXPECT_TRUE(p.trackDirty);
    }
    EXPECT_EQ(f.trackBufferFrames(), Ramp(Frames, 7));
}

TEST_F(TrackEditingTest, MergeAddsWithClampingAndAMutedTrackTakesNothing) {
    setTrack(Constant(Frames, 30000, -30000));
    setClip(Constant(100, 30000, -30000));
    PasteClip(p, PasteMode::Add, f.ui);
    EXPECT_EQ(range(100, 200), Constant(100, 32767, -32767));

    p.current().mute = 1;
    setTrack(Constant(Frames, 5, 5));
    PasteClip(p, PasteMode::Add, f.ui);
    EXPECT_EQ(range(100, 200), Constant(100, 5, 5));
    PasteClip(p, PasteMode::Replace, f.ui);
    EXPECT_EQ(range(100, 200), Constant(100, 0, 0));
}

TEST_F(TrackEditingTest, RingMultipliesByTheGainsTruncatingTowardZeroAndIgnoresMute) {
    p.current().mute = 1;
    p.gainLeft[0] = 256;
    p.gainRight[0] = 100;
    setTrack(Constant(Frames, 3, -3));
    setClip(Constant(100, 100, 100));
    EXPECT_EQ(RingClip(p, f.ui).code(), 0);
    // 100 x 3 x 256 / 8192 = 9.375; 100 x -3 x 100 / 8192 = -3.66
    EXPECT_EQ(range(100, 200), Constant(100, 9, -3));

    setTrack(Constant(Frames, -32767, 32767));
    setClip(Constant(100, 32767, 32767));
    RingClip(p, f.ui);
    EXPECT_EQ(range(100, 101), Constant(1, -32767, 32767));
}

TEST_F(TrackEditingTest, NegateOfTheClipJustCopiedLeavesSilence) {
    CopySelection(p, f.ui);
    EXPECT_EQ(NegateClip(p, f.ui).code(), 0);
    EXPECT_EQ(range(100, 200), Constant(100, 0, 0));
    setTrack(Constant(Frames, -30000, 30000));
    setClip(Constant(100, 30000, -30000));
    NegateClip(p, f.ui);
    EXPECT_EQ(range(100, 101), Constant(1, -32767, 32767));
}

TEST_F(TrackEditingTest, AClipboardThatCannotBeReadChangesNothing) {
    WriteFileBytes(clip, {'j', 'u', 'n', 'k'});
    for (auto edit : {+[](Project& q, UiServices& ui) { return PasteClip(q, PasteMode::Replace, ui); }, RingClip,
                      NegateClip}) {
        EXPECT_EQ(edit(p, f.ui).code(), WaveNoRiff);
    }
    EXPECT_EQ(f.ui.messages.size(), 3u);
    EXPECT_EQ(f.trackBufferFrames(), Ramp(Frames, 7));
    EXPECT_FALSE(p.trackDirty);
}

}  // namespace
}  // namespace jorv::test
