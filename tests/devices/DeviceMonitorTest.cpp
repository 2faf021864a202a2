#include "devices/DeviceMonitor.h"

#include <gtest/gtest.h>

#include "core/TrackSwitching.h"
#include "devices/WaveEngine.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

constexpr int Megabytes = 1;
constexpr uint32_t Frames = Megabytes * FramesPerMegabyte;

// The meters see exactly what went out and what came in: a known signal through the fake device.
class DeviceMonitorTest : public ::testing::Test {
protected:
    DeviceMonitorTest() {
        EXPECT_TRUE(engine.openDevices(p, Megabytes, f.ui));
        f.addTrack();
        f.addTrack();
        std::vector<Frame> backing(Frames, Frame{0, 0});
        backing[5000] = {12000, -3000};  // inside the selection
        backing[90000] = {-32000, 32000};  // beyond it
        f.writeTrackFile(1, backing);
        SelectTrack(p, 0, f.ui);
        device.signal.assign(Frames, Frame{100, -200});
        device.signal[300] = {-32768, 50};
    }

    ProjectFixture f{1};
    Project& p = f.project;
    FakeWaveDevice device;
    WaveEngine engine{device};
};

TEST_F(DeviceMonitorTest, PlayedAndRecordedPeaksFollowTheSignalAndStartAgainAfterEachLook) {
    ASSERT_EQ(engine.startRecording(p, {0, 20000, false, 0}, f.ui), TransportStart::Started);
    device.advance(200);
    StereoPeak heard = engine.monitor().recorded.take();
    EXPECT_EQ(heard.left, 100u);
    EXPECT_EQ(heard.right, 200u);
    EXPECT_FALSE(heard.clipped);
    EXPECT_EQ(engine.monitor().played.take().left, 0u);  // the backing is silent so far

    device.advance(9800);
    heard = engine.monitor().recorded.take();
    EXPECT_EQ(heard.left, 32768u);  // -32768 is one louder than 32767
    EXPECT_TRUE(heard.clipped);
    // The backing went out through the track's gains: the meter shows what was sent.
    const StereoPeak sent = engine.monitor().played.take();
    ASSERT_EQ(device.sent.size(), 10000u);
    EXPECT_GT(sent.left, 1000u);
    EXPECT_EQ(sent.left, uint32_t(std::abs(device.sent[5000].left)));
    EXPECT_EQ(sent.right, uint32_t(std::abs(device.sent[5000].right)));
    EXPECT_FALSE(sent.clipped);

    device.advance(100);
    heard = engine.monitor().recorded.take();
    EXPECT_EQ(heard.left, 100u);
    EXPECT_FALSE(heard.clipped);
    engine.stop(p, f.ui);
}

TEST(PeakLevelsTest, FullScaleEitherWayLightsTheClipButOneBelowDoesNot) {
    PeakLevels levels;
    const Frame nearly[] = {{32766, -32766}, {-5, 5}};
    levels.raise(nearly, 2);
    EXPECT_FALSE(levels.take().clipped);
    const Frame top[] = {{0, 32767}};
    levels.raise(top, 1);
    const StereoPeak peak = levels.take();
    EXPECT_TRUE(peak.clipped);
    EXPECT_EQ(peak.right, 32767u);
    EXPECT_EQ(peak.left, 0u);
}

TEST(DropoutLogTest, CountsEveryDropoutAndKeepsWhereTheFirstOnesHappened) {
    DropoutLog log;
    for (uint32_t k = 0; k < DropoutLog::Capacity + 10; ++k) log.note(k * 256);
    EXPECT_EQ(log.count(), DropoutLog::Capacity + 10);
    const std::vector<uint32_t> kept = log.positions();
    ASSERT_EQ(kept.size(), DropoutLog::Capacity);
    EXPECT_EQ(kept[3], 768u);
    log.clear();
    EXPECT_EQ(log.count(), 0u);
    EXPECT_TRUE(log.positions().empty());
}

TEST_F(DeviceMonitorTest, EachPlayOrTakeCountsItsOwnDropouts) {
    ASSERT_EQ(engine.startPlayback(p, 0, 20000, f.ui), TransportStart::Started);
    device.watched.dropouts.note(1024);
    engine.stop(p, f.ui);
    EXPECT_EQ(engine.monitor().dropouts.count(), 1u);
    ASSERT_EQ(engine.startPlayback(p, 0, 20000, f.ui), TransportStart::Started);
    EXPECT_EQ(engine.monitor().dropouts.count(), 0u);
    engine.stop(p, f.ui);
}

}  // namespace
}  // namespace jorv::test
