// SK1 on real ports: another JACK client plays notes into Jorv's MIDI input while the selection
// plays on JACK, and the rendered notes land at their frames in the track.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/TrackSwitching.h"
#include "devices/MidiCapture.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"
#include "instruments/CapturedNotes.h"
#include "tests/e2e/JackListener.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

TEST(MidiCaptureOnJack, NotesPlayedDuringTheSelectionLandAtTheirFramesInTheTrack) {
    JackListener player("notes-player");
    ASSERT_TRUE(player.ok());
    ProjectFixture f{1};
    Project& p = f.project;
    const auto device = MakeSystemWaveDevice("jack");
    WaveEngine engine(*device);
    ASSERT_TRUE(engine.openDevices(p, 1, f.ui));
    f.addTrack();
    f.writeTrackFile(0, Constant(p.framesPerTrack, 0, 0));
    SelectTrack(p, 0, f.ui);
    p.clipperPath = f.folder.file("clipper.wav");
    WriteFileBytes(p.clipperPath, CanonicalWave(Constant(1, 16000, 16000)));
    p.selectionStart = 1000;
    p.selectionEnd = 1000 + 44100;

    const auto input = MakeMidiInputPort(std::string("notes-player:out"), "jack");
    MidiCapture capture;
    capture.open(65536, *input);
    ASSERT_TRUE(capture.inputOpened());
    ASSERT_EQ(engine.startPlayback(p, p.selectionStart, p.selectionEnd, f.ui), TransportStart::Started);
    capture.start();
    const uint32_t due[] = {8820, 22050};  // 200 ms and 500 ms on
    player.play({{due[0], {0x90, 60, 127}}, {due[0] + 441, {0x80, 60, 0}}, {due[1], {0x99, 40, 127}}});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (engine.playPosition() < 44100 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    engine.stop(p, f.ui);
    capture.stop();
    ASSERT_TRUE(player.played());
    ASSERT_EQ(capture.entries().size(), 6u);

    EXPECT_EQ(RenderSk1(p, capture.entries(), f.waveFileOf(0), f.ui), 2);
    std::vector<uint32_t> onsets;
    for (uint32_t k = 1; k < p.framesPerTrack; ++k)
        if (p.trackBuffer[k].left != 0 && p.trackBuffer[k - 1].left == 0) onsets.push_back(k - p.selectionStart);
    ASSERT_EQ(onsets.size(), 2u);
    // The capture and the playback start together; the notes were sent a period after that, and
    // arrive on a period's boundary: within a few milliseconds of their frames.
    const double slack = 2.0 * player.periodFrames() + 10 * 44.1;
    EXPECT_NEAR(double(onsets[1]) - double(onsets[0]), due[1] - due[0], slack);
    EXPECT_NEAR(double(onsets[0]), due[0], slack + player.periodFrames());
    engine.closeDevices(p, f.ui);
}

}  // namespace
}  // namespace jorv::test
