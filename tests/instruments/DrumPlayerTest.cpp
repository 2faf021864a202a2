#include "instruments/DrumPlayer.h"

#include <gtest/gtest.h>

#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "tests/support/ManualTickTimer.h"

namespace jorv::test {
namespace {

// Remembers each message with the tick that sent it.
struct RecordingMidiOutput final : MidiOutput {
    void startSong() override { ++songs; }
    void send(uint32_t message, uint32_t songMs) override { sent.push_back({message, songMs, timer->ticks}); }
    struct Sent {
        uint32_t message, songMs;
        int tick;
        bool operator==(const Sent&) const = default;
    };
    std::vector<Sent> sent;
    int songs = 0;
    const ManualTickTimer* timer = nullptr;
};

struct DrumPlayerTest : ::testing::Test {
    DrumPlayerTest() {
        InitialiseDrumBlock(drums);
        drums.patterns[0].length = 4;
        for (int s = 0; s < 4; ++s) drums.patterns[0].steps[s * DrumInstrumentCount + 8] = 100;
        StoreSongPattern(drums, u"0");
        output.timer = &timer;
        player.open(65536, output, timer);
    }
    DrumBlock drums{};
    ManualTickTimer timer;
    RecordingMidiOutput output;
    DrumPlayer player;
};

TEST_F(DrumPlayerTest, AnEventDueAtTIsSentOnTickTOver10PlusOneAndTheSongEndsWithItsLastEvent) {
    player.build(drums);
    player.start();
    EXPECT_TRUE(player.running());
    timer.advance(40);
    const uint32_t hit = 0x99 | 35 << 8 | 100 << 16;
    EXPECT_EQ(output.sent, (std::vector<RecordingMidiOutput::Sent>{{hit, 0, 1}, {hit, 100, 11}, {hit, 200, 21},
                                                                    {hit, 300, 31}}));
    EXPECT_FALSE(player.running());
    EXPECT_EQ(timer.ticks, 32);  // the tick after the last event ends the timer
    EXPECT_EQ(output.songs, 1);
}

TEST_F(DrumPlayerTest, StopEndsTheSendingAtOnceAndTheTimerAtItsNextTick) {
    player.build(drums);
    player.start();
    timer.advance(15);
    player.stop();
    EXPECT_EQ(timer.advance(5), 1);
    EXPECT_EQ(output.sent.size(), 2u);
}

TEST_F(DrumPlayerTest, ANewSongWaitsForTheLastTimerSoItsListIsNotEmptiedUnderIt) {
    player.build(drums);
    player.start();
    timer.advance(31);  // finished: one more tick would empty the list
    EXPECT_FALSE(player.running());
    player.build(drums);
    EXPECT_FALSE(timer.alive());
    EXPECT_EQ(player.events().events(), 4);
    player.start();
    timer.advance(40);
    EXPECT_EQ(output.sent.size(), 8u);
    EXPECT_EQ(timer.starts, 2);
}

TEST_F(DrumPlayerTest, AnEmptySongEndsOnTheFirstTickAndAClosedPlayerStartsNothing) {
    StoreSongPattern(drums, u"");
    player.build(drums);
    player.start();
    EXPECT_EQ(timer.advance(5), 2);
    EXPECT_TRUE(output.sent.empty());
    player.close();
    player.build(drums);
    player.start();
    EXPECT_FALSE(player.running());
    EXPECT_EQ(timer.starts, 1);
}

}  // namespace
}  // namespace jorv::test
