// Real-device tests: a JACK server with the dummy driver, our output ports wired back into our
// input ports, and the engine playing and recording through them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/TrackSwitching.h"
#include "devices/LatencyMeasurement.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

constexpr int Megabytes = 1;
constexpr uint32_t Frames = Megabytes * FramesPerMegabyte;
constexpr uint32_t ClickFrame = 20000;

// Wires jorv's outputs into the named client's inputs in place of the system's capture ports.
void Loopback(const std::string& client) {
    const std::string command = "jack_connect 'jorv:outport 0' '" + client + ":inport 0' && jack_connect 'jorv:outport 1' '" +
                                client + ":inport 1' && jack_disconnect system:capture_1 '" + client +
                                ":inport 0' && jack_disconnect system:capture_2 '" + client + ":inport 1'";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

class JackLoopbackTest : public ::testing::Test {
protected:
    JackLoopbackTest() {
        EXPECT_TRUE(engine.openDevices(p, Megabytes, f.ui));
        EXPECT_TRUE(f.ui.messages.empty());
        f.addTrack();
        f.addTrack();
        std::vector<Frame> clicks(Frames, Frame{0, 0});
        clicks[ClickFrame] = {16000, -8000};
        f.writeTrackFile(0, clicks);
        SelectTrack(p, 1, f.ui);
        Loopback("jorv");
    }
    ~JackLoopbackTest() override { engine.closeDevices(p, f.ui); }

    // Records start..end with the given latency, stopping as the window does at the selection end.
    void record(uint32_t start, uint32_t end, bool merge, int latency) {
        ASSERT_EQ(engine.startRecording(p, {start, end, merge, latency}, f.ui), TransportStart::Started);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (start + engine.playPosition() < end && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        engine.stop(p, f.ui);
    }
    // Where the click from track 0 landed in the current track, or -1.
    int64_t clickPosition() const {
        for (uint32_t k = 0; k < Frames; ++k)
            if (p.trackBuffer[k].left != 0) return k;
        return -1;
    }

    ProjectFixture f{1};
    Project& p = f.project;
    std::unique_ptr<WaveDevice> device = MakeSystemWaveDevice("jack");
    WaveEngine engine{*device};
};

TEST_F(JackLoopbackTest, TakeLandsAtTheRightFramesOnceTheRoundTripIsTakenOut) {
    record(10000, 60000, false, 0);
    const int64_t landed = clickPosition();
    ASSERT_GE(landed, ClickFrame);
    const auto roundTrip = static_cast<int>(landed - ClickFrame);
    EXPECT_LT(roundTrip, 4096);
    // What was played is the backing mix: the click at the track's gains, both ways.
    EXPECT_EQ(p.trackBuffer[landed], (Frame{int16_t(((16000 * 254 >> 8) * 254) >> 8), int16_t(((-8000 * 254 >> 8) * 254) >> 8)}));

    FlushTrack(p, f.ui);
    SelectTrack(p, 1, f.ui);
    std::fill_n(p.trackBuffer.get(), Frames, Frame{0, 0});
    p.trackDirty = true;
    FlushTrack(p, f.ui);
    record(10000, 60000, false, 2 * roundTrip);
    EXPECT_EQ(clickPosition(), ClickFrame);
    EXPECT_EQ(p.trackBuffer[9999], (Frame{0, 0}));
}

// Measured as Options' Measure does, between takes, with Jorv's own ports wired into each
// other for it, the round trip makes a take land on the frame; with nothing wired (the devices
// reopen for the measurement, so the test's wires are gone) nothing comes back.
TEST_F(JackLoopbackTest, TheMeasuredLatencyLinesUpATakeToTheFrame) {
    const LatencyMeasurement open = engine.measureLatency(false, f.ui);
    EXPECT_EQ(open.outcome, LatencyMeasurement::Outcome::NoSignal);
    const LatencyMeasurement measured = engine.measureLatency(true, f.ui);
    ASSERT_EQ(measured.outcome, LatencyMeasurement::Outcome::Measured);
    EXPECT_GT(measured.frames, 0u);
    EXPECT_LT(measured.frames, 8192u);
    EXPECT_EQ(measured.latency, int(2 * measured.frames));
    EXPECT_TRUE(f.ui.messages.empty());

    Loopback("jorv");
    record(10000, 60000, false, measured.latency);
    EXPECT_EQ(clickPosition(), ClickFrame);
}

TEST_F(JackLoopbackTest, PlaySendsTheMixOfTheSelectionToItsPorts) {
    // A second client ("jorv-01") listens to what the first one plays.
    const auto listener = MakeSystemWaveDevice("jack");
    ASSERT_TRUE(listener->openOutput());
    Loopback("jorv-01");
    std::vector<Frame> silence(Frames, Frame{0, 0});
    std::vector<Frame> heard(Frames, Frame{0, 0});
    std::fill_n(p.trackBuffer.get(), Frames, Frame{100, -100});  // the current track, mixed over the click
    ASSERT_TRUE(listener->playAndRecord(silence.data(), Frames, heard.data(), Frames));
    ASSERT_EQ(engine.startPlayback(p, 15000, 25000, f.ui), TransportStart::Started);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (engine.playPosition() < 10000 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_GE(engine.playPosition(), 10000u) << "the play position stopped moving";
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    engine.stop(p, f.ui);
    listener->reset();
    listener->close();
    // The selection's mix, frame for frame: 99 everywhere, the click 5000 frames in.
    const auto first = std::find_if(heard.begin(), heard.end(), [](const Frame& h) { return h.left != 0; });
    ASSERT_NE(first, heard.end());
    const Frame expected{int16_t(99), int16_t(-100)};
    EXPECT_EQ(*first, expected);
    EXPECT_EQ(first[4999], expected);
    EXPECT_EQ(first[5000], (Frame{int16_t(99 + ((16000 * 254) >> 8)), int16_t(-100 + ((-8000 * 254) >> 8))}));
    EXPECT_EQ(first[9999], expected);
    EXPECT_EQ(first[10000], (Frame{0, 0}));
}

}  // namespace
}  // namespace jorv::test
