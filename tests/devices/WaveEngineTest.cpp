#include "devices/WaveEngine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/Gains.h"
#include "core/TakePlacement.h"
#include "core/TakeJournal.h"
#include "core/TrackSwitching.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr int Megabytes = 2;
constexpr uint32_t Frames = Megabytes * FramesPerMegabyte;

class WaveEngineTest : public ::testing::Test {
protected:
    WaveEngineTest() {
        EXPECT_TRUE(engine.openDevices(p, Megabytes, f.ui));
        f.addTrack();
        f.addTrack();
        std::vector<Frame> other(Frames, Frame{1000, -1000});
        f.writeTrackFile(1, other);
        std::vector<Frame> saved(Frames);
        for (uint32_t k = 0; k < Frames; ++k) saved[k] = {int16_t(k % 1000), int16_t(-(int(k) % 1000))};
        f.writeTrackFile(0, saved);
        SelectTrack(p, 0, f.ui);
        device.signal.resize(Frames);
        for (uint32_t k = 0; k < Frames; ++k) device.signal[k] = {int16_t(20000 + k % 7), int16_t(-20000)};
    }
    Frame saved(uint32_t k) const { return {int16_t(k % 1000), int16_t(-(int(k) % 1000))}; }
    // Records frames start..end, stopping after the device played `played` frames.
    void record(uint32_t start, uint32_t end, bool merge, uint32_t played, int latency = 0) {
        ASSERT_EQ(engine.startRecording(p, {start, end, merge, latency}, f.ui), TransportStart::Started);
        device.advance(played);
        engine.stop(p, f.ui);
    }

    ProjectFixture f{1};
    Project& p = f.project;
    FakeWaveDevice device;
    WaveEngine engine{device};
};

TEST_F(WaveEngineTest, DeviceFailuresAreShownButTheBuffersExistForEditing) {
    device.outputOpens = false;
    EXPECT_TRUE(engine.openDevices(p, Megabytes, f.ui));
    device.outputOpens = true;
    device.inputOpens = false;
    EXPECT_TRUE(engine.openDevices(p, 4, f.ui));
    EXPECT_EQ(p.framesPerTrack, 4 * FramesPerMegabyte);
    EXPECT_TRUE(p.trackBuffer && p.scratchBuffer && p.backingMix);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"),
              (std::vector<std::string>{"Error opening wave out device.", "Error opening wave in device."}));

    device.startSucceeds = false;
    engine.startPlayback(p, 0, 10, f.ui);
    EXPECT_TRUE(p.busy);  // a failed start leaves busy set; the next command's stop clears it
    engine.stop(p, f.ui);
    engine.startRecording(p, {0, 10}, f.ui);
    device.closeSucceeds = false;
    engine.closeDevices(p, f.ui);
    const auto errors = f.ui.textsWithCaption("Jorv Error");
    EXPECT_EQ(std::vector<std::string>(errors.begin() + 2, errors.end()),
              (std::vector<std::string>{"Error preparing wave out for play.", "Error preparing wave for record.",
                                        "Error closing wave devices."}));
    EXPECT_FALSE(p.buffersReady());
}

TEST_F(WaveEngineTest, PlaySendsTheMixOfTheSelectionAndStopsAtTheNextCommand) {
    ASSERT_EQ(engine.startPlayback(p, 100, 200, f.ui), TransportStart::Started);
    EXPECT_TRUE(p.busy);
    device.advance(100);
    EXPECT_EQ(engine.playPosition(), 100u);
    for (uint32_t k = 0; k < 100; ++k) {
        const Frame s = saved(100 + k);
        const Frame expected{int16_t(992 + ((s.left * 254) >> 8)), int16_t(-993 + ((s.right * 254) >> 8))};
        ASSERT_EQ(device.sent[k], expected) << k;
    }
    engine.stop(p, f.ui);
    EXPECT_FALSE(p.busy);
    EXPECT_FALSE(p.trackDirty);
    // The reset reports the buffer done, which the window turns into one more, harmless, Stop.
    EXPECT_TRUE(device.takeBufferDone());
}

TEST_F(WaveEngineTest, PartialTakeReplacesTheRangeWithTheTrackGains) {
    p.block.tracks[0].volume = 128;
    ComputeGains(p);
    record(1000, 2000, false, 1500);
    EXPECT_TRUE(p.trackDirty);
    EXPECT_EQ(p.trackBuffer[999], saved(999));
    EXPECT_EQ(p.trackBuffer[1000], (Frame{int16_t((20000 * 127) >> 8), int16_t((-20000 * 127) >> 8)}));
    EXPECT_EQ(p.trackBuffer[1999].right, int16_t((-20000 * 127) >> 8));
    // What the device captured past the selection end before the stop is not placed.
    EXPECT_EQ(p.trackBuffer[2000], saved(2000));
    // Without merge the performer hears the other tracks only.
    EXPECT_EQ(device.sent[0], (Frame{992, -993}));
}

TEST_F(WaveEngineTest, MergedTakeIsAddedToTheSavedAudioAndHearsTheTrack) {
    record(1000, 2000, true, 1000);
    const Frame s = saved(1000);
    EXPECT_EQ(p.trackBuffer[1000], (Frame{int16_t(s.left + ((20000 * 254) >> 8)), int16_t(s.right + ((-20000 * 254) >> 8))}));
    EXPECT_EQ(device.sent[0], (Frame{int16_t(992 + ((s.left * 254) >> 8)), int16_t(-993 + ((s.right * 254) >> 8))}));
}

TEST_F(WaveEngineTest, MutedTrackTakesSilenceOrNothing) {
    p.block.tracks[0].mute = 1;
    record(10, 20, false, 10);
    EXPECT_EQ(p.trackBuffer[15], (Frame{0, 0}));
    EXPECT_EQ(p.trackBuffer[9], saved(9));
    FlushTrack(p, f.ui);
    record(10, 20, true, 10);
    EXPECT_EQ(p.trackBuffer[15], (Frame{0, 0}));
    EXPECT_EQ(p.trackBuffer[25], saved(25));
}

TEST_F(WaveEngineTest, WholeTrackTakeKeepsTheRawRecording) {
    p.block.tracks[0].volume = 10;
    ComputeGains(p);
    record(0, Frames - 10, false, Frames);
    EXPECT_EQ(p.trackBuffer[0], device.signal[0]);
    EXPECT_EQ(p.trackBuffer[Frames - 1], device.signal[Frames - 1]);
}

TEST_F(WaveEngineTest, LatencyMovesTheTakeEarlierBySingleSampleValues) {
    std::vector<Frame> buffer(1000);
    for (int k = 0; k < 1000; ++k) buffer[k] = {int16_t(2 * k), int16_t(2 * k + 1)};
    const auto original = buffer;
    LatencyShift(buffer.data(), 0, 1000, 0);
    LatencyShift(buffer.data(), 0, 1000, 2001);
    EXPECT_EQ(buffer, original);
    LatencyShift(buffer.data(), 0, 1000, 100);
    EXPECT_EQ(buffer[0], (Frame{100, 101}));
    EXPECT_EQ(buffer[949], (Frame{1998, 1999}));
    EXPECT_EQ(buffer[950], original[950]);  // the last 100 values keep what they held
    LatencyShift(buffer.data(), 0, 10, 1);   // an odd latency swaps the channels' roles
    EXPECT_EQ(buffer[0], (Frame{101, 102}));
}

TEST_F(WaveEngineTest, RecordedTakeLandsAtTheSelectionOnceLatencyIsTakenOut) {
    // The input hears the output 300 frames late: frame k of the signal is what was sent at k - 300.
    record(5000, 6000, false, 1300, 600);
    EXPECT_EQ(p.trackBuffer[5000].left, int16_t(((20000 + 300 % 7) * 254) >> 8));
}

TEST_F(WaveEngineTest, ClosingWhileRecordingDiscardsTheTake) {
    ASSERT_EQ(engine.startRecording(p, {0, Frames}, f.ui), TransportStart::Started);
    device.advance(5000);
    ASSERT_TRUE(engine.openDevices(p, Megabytes, f.ui));  // closes first
    EXPECT_FALSE(p.busy);
    EXPECT_FALSE(p.trackDirty);
    SelectTrack(p, 0, f.ui);
    EXPECT_EQ(p.trackBuffer[100], saved(100));
}

// While the device captures on its own thread (here the test's), the journal's thread copies what
// has been counted as captured: at the stop the journal holds the whole take as captured.
TEST_F(WaveEngineTest, ATakeIsJournaledFromItsOwnThreadWhileTheDeviceCaptures) {
    ASSERT_EQ(p.work.claim(f.folder.file("demo.jor")), WorkingCopy::Claim::Fresh);
    ASSERT_EQ(engine.startRecording(p, {100, 30100, true, 4}, f.ui), TransportStart::Started);
    for (int period = 0; period < 120; ++period) {
        device.advance(256);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    engine.stop(p, f.ui);
    std::vector<Frame> frames(120 * 256 + 1);
    const TakeJournalContents journal = DecodeTakeJournal(ReadFileBytes(p.work.takeJournal()), frames);
    ASSERT_TRUE(journal.headerRead);
    EXPECT_EQ(journal.header.start, 100u);
    EXPECT_EQ(journal.header.end, 30100u);
    EXPECT_TRUE(journal.header.merge);
    EXPECT_EQ(journal.header.latency, 4);
    ASSERT_EQ(journal.frames, 120u * 256);
    frames.pop_back();
    EXPECT_EQ(frames, std::vector<Frame>(device.signal.begin(), device.signal.begin() + 120 * 256));
    EXPECT_TRUE(f.ui.messages.empty());
}

}  // namespace
}  // namespace jorv::test
