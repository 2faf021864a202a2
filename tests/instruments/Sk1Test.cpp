#include <gtest/gtest.h>


#include "core/Gains.h"
#include "devices/MidiCapture.h"
#include "instruments/CapturedEventText.h"
#include "instruments/CapturedNotes.h"
#include "instruments/NoteRenderer.h"
#include "tests/support/FakeMidiInput.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

int32_t NoteOn(int note, int velocity) { return 0x90 | note << 8 | velocity << 16; }

TEST(PitchRatio, EqualTemperedAroundMiddleC) {
    EXPECT_EQ(PitchRatio(60), 1.0f);
    EXPECT_EQ(PitchRatio(72), 2.0f);
    EXPECT_EQ(PitchRatio(48), 0.5f);
    EXPECT_NEAR(PitchRatio(65), 1.33484f, 1e-5);  // a true fourth, not 1.375
    EXPECT_EQ(PitchRatio(-1), 0.0f);
}

// The renderer works on several frames at once; every frame must still be exactly the
// single-precision formula worked one frame at a time: the pitch sets the length, values between
// frames are interpolated (the last toward the silence after the clip), sums clamp, and the note
// stops two frames before the end of the track.
TEST(RenderNote, EveryFrameIsTheStepByStepSinglePrecisionFormula) {
    std::vector<Frame> frames(301);
    uint32_t seed = 12345;
    const auto next = [&] { return int16_t((seed = seed * 1103515245 + 12345) >> 16); };
    for (Frame& f : frames) f = {next(), next()};
    frames.back() = {0, 0};
    const ClipSamples clip(frames.data(), 300);
    for (const float ratio : {0.19f, 0.25f, 0.7f, 1.0f, 1.3f, 3.99f}) {
        for (const float gain : {0.5f, 0.9921875f}) {
            std::vector<Frame> track(1500), expected;
            for (Frame& f : track) f = {next(), next()};
            expected = track;
            RenderNote(clip, {track.data(), 1500}, 7, ratio, gain);
            float p = 0;
            for (uint64_t d = 7; p < 300.0f && d < 1498; ++d, p += ratio) {
                const auto k = uint32_t(p);
                const float f = p - float(k);
                const auto mix = [&](int16_t here, int16_t after, int16_t old) {
                    const float v = gain * (f * float(after) + (1.0f - f) * float(here)) + float(old);
                    return int16_t(v >= 32768.0f ? 32767 : v <= -32768.0f ? -32767 : int(v));
                };
                expected[d] = {mix(frames[k].left, frames[k + 1].left, expected[d].left),
                               mix(frames[k].right, frames[k + 1].right, expected[d].right)};
            }
            EXPECT_EQ(track, expected) << "ratio " << ratio << " gain " << gain;
        }
    }
}

TEST(CapturedNotes, OnlyANoteOnWithAVelocityStartsANote) {
    EXPECT_EQ(ReadCapturedNote(1000, NoteOn(60, 64))->startFrame, 44100u);
    EXPECT_EQ(ReadCapturedNote(1000, NoteOn(61, 64))->note, 61);
    EXPECT_FALSE(ReadCapturedNote(0, NoteOn(60, 0)));
    EXPECT_FALSE(ReadCapturedNote(0, 0x80 | 60 << 8 | 64 << 16));  // a Note Off with a release velocity
    EXPECT_FALSE(ReadCapturedNote(0, 0xB0 | 7 << 8 | 100 << 16));
    EXPECT_EQ(ReadCapturedNote(-1, NoteOn(60, 1))->startFrame, uint64_t{UINT32_MAX} * 441 / 10);
}

class Sk1RenderTest : public ::testing::Test {
protected:
    Sk1RenderTest() {
        p.clipperPath = f.folder.file("clipper.wav");
        f.addTrack();
        p.block.tracks[0].volume = 128;
        ComputeGains(p);
        f.writeTrackFile(0, Constant(Frames, 100, 100));
        p.selectionStart = 1000;
        p.selectionEnd = 1000 + 44100 + 500;
    }
    static constexpr uint32_t Frames = 50000;
    ProjectFixture f{Frames};
    Project& p = f.project;
};

TEST_F(Sk1RenderTest, NotesLandAtTheirTimeFromTheSelectionStartScaledByTheTrackAndCutAtItsEnd) {
    WriteFileBytes(p.clipperPath, CanonicalWave(Constant(1000, 8192, -8192)));
    const std::vector<int32_t> entries{1000, NoteOn(60, 64), 1005, 0x80 | 60 << 8 | 40 << 16, 0, NoteOn(60, 128 - 1)};
    EXPECT_EQ(RenderSk1(p, entries, f.waveFileOf(0), f.ui), 2);
    // 8192 x 64/128 = 4096, then the track's gains (127/256 at volume 128) in the splice
    EXPECT_EQ(p.trackBuffer[1000 + 44100], (Frame{100 + (4096 * 127 >> 8), 100 + (-4096 * 127 >> 8)}));
    EXPECT_EQ(p.trackBuffer[1000 + 44100 + 499].left, 100 + (4096 * 127 >> 8));
    EXPECT_EQ(p.trackBuffer[1000 + 44100 + 500], (Frame{100, 100}));  // cut at the selection end
    EXPECT_EQ(p.trackBuffer[999], (Frame{100, 100}));
    EXPECT_EQ(p.trackBuffer[1000].left, 100 + (int(8192 * 0.9921875f) * 127 >> 8));
    EXPECT_TRUE(p.trackDirty);
}

TEST_F(Sk1RenderTest, TheClipIsAsLongAsTheFramesItsFileHolds) {
    // A LIST chunk before the data: a length read from the RIFF size would be wrong.
    WriteFileBytes(p.clipperPath, RiffFile({FmtChunk(), Chunk("LIST", Bytes(400, 0)),
                                             Chunk("data", SampleBytes(Interleave(Constant(3, 7, 7))))}));
    EXPECT_EQ(LoadClipSample(p, f.ui), 3u);
    WriteFileBytes(p.clipperPath, RiffFile({FmtChunk({.channels = 1}), Chunk("data", SampleBytes({1, 2}))}));
    EXPECT_EQ(LoadClipSample(p, f.ui), 0u);  // a warning gives no clip
}

TEST(CapturedEventText, ReadsWhatMidiCapturePrintsAndPointsAtTheFirstBadLine) {
    const auto parsed = ParseCapturedEvents("events 2\n806 6562713\r\n\n4294967295 -1\n");
    EXPECT_EQ(*parsed.entries, (std::vector<int32_t>{806, 6562713, -1, -1}));
    EXPECT_EQ(ParseCapturedEvents("").entries->size(), 0u);
    EXPECT_EQ(ParseCapturedEvents("1 2\nevents 3\n").badLine, 2u);
    EXPECT_EQ(ParseCapturedEvents("1 2 3\n").badLine, 1u);
    EXPECT_EQ(ParseCapturedEvents("1 x\n").badLine, 1u);
    EXPECT_EQ(ParseCapturedEvents("4294967296 1\n").badLine, 1u);
}

TEST(MidiCapture, StoresChannelMessagesWithTheirTimeUntilTheListIsFull) {
    FakeMidiInput input;
    MidiCapture capture;
    capture.open(10, input);  // (10 - 4) / 2 = 3 events fit
    input.play(NoteOn(60, 1), 5);  // before the start: not delivered
    capture.start();
    input.play(0xFE, 6);           // active sensing
    input.play(0xF8, 7);           // timing clock
    for (uint32_t t = 10; t < 15; ++t) input.play(NoteOn(60, 100), t);
    capture.stop();
    input.play(NoteOn(61, 1), 20);
    EXPECT_EQ(std::vector<int32_t>(capture.entries().begin(), capture.entries().end()),
              (std::vector<int32_t>{10, NoteOn(60, 100), 11, NoteOn(60, 100), 12, NoteOn(60, 100)}));
    capture.close();
    EXPECT_EQ(input.closes, 1);
    EXPECT_TRUE(capture.entries().empty());

    input.opens = false;  // no device: an empty list, and the capture goes on without one
    capture.open(10, input);
    capture.start();
    EXPECT_TRUE(capture.isOpen());
    EXPECT_TRUE(capture.entries().empty());
}

}  // namespace
}  // namespace jorv::test
