#include <gtest/gtest.h>

#include "shell/DropoutMarks.h"
#include "shell/PeakMeter.h"
#include "shell/StopAll.h"
#include "shell/TransportRun.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

TEST(PeakMeterTest, ALevelJumpsUpFallsBackSlowlyAndItsPeakIsHeldForAMoment) {
    PeakMeter meter;
    EXPECT_TRUE(meter.show({16384, 0, false}, 0.03));
    EXPECT_NEAR(meter.left().levelDb, -6.02, 0.01);
    EXPECT_EQ(meter.right().levelDb, PeakMeter::MeterFloorDb);

    // Silence: the bar falls at its rate, the held peak stays for its time and then lets go.
    meter.show({}, 0.5);
    EXPECT_NEAR(meter.left().levelDb, -6.02 - 0.5 * PeakMeter::FallDbPerSecond, 0.01);
    EXPECT_NEAR(meter.left().holdDb, -6.02, 0.01);
    meter.show({}, 0.9);
    EXPECT_NEAR(meter.left().holdDb, -6.02, 0.01);
    meter.show({}, 0.2);
    EXPECT_LT(meter.left().holdDb, -30.0);

    // A louder peak takes the hold at once; a quieter one does not.
    meter.show({32768, 0, false}, 0.03);
    meter.show({1000, 0, false}, 0.03);
    EXPECT_DOUBLE_EQ(meter.left().holdDb, 0.0);
    EXPECT_FALSE(meter.show({}, 0.0));  // nothing moved: no repaint
}

TEST(PeakMeterTest, TheClipLightStaysLitUntilCleared) {
    PeakMeter meter;
    meter.show({32767, 10, true}, 0.03);
    for (int k = 0; k < 100; ++k) meter.show({}, 0.1);
    EXPECT_TRUE(meter.clipped());
    meter.clearClip();
    EXPECT_FALSE(meter.clipped());
    EXPECT_EQ(MagnitudeToDb(0), PeakMeter::MeterFloorDb);
    EXPECT_EQ(MagnitudeToDb(1), PeakMeter::MeterFloorDb);  // -90 dB lies below the floor
}

TEST(DropoutMarksTest, ADropoutLandsWhereTheLatencyMovesItsCapturedFrame) {
    const Take take{10000, 50000, false, 2 * 300};
    // Noted after 300 frames played: the frame captured then is moved back to the take's start.
    EXPECT_EQ(TakeDropoutFrames({300, 1300, 39000, 40300, 70000}, take),
              (std::vector<uint32_t>{10000, 11000, 48700}));
    EXPECT_TRUE(TakeDropoutFrames({100}, take).empty());  // before the take: nothing of it was lost
}

TEST(DropoutMarksTest, ATakeWithDropoutsLeavesMarksUntilTheNextTakeBegins) {
    OneTrackShell shell{20000};
    AppContext& context = shell.context;
    context.project.projectLoaded = true;
    context.project.selectionStart = 1000;
    context.project.selectionEnd = 9000;
    context.settings.recordLatency = 0;
    ASSERT_EQ(StartRecord(context), TransportStart::Started);
    shell.wave.watched.dropouts.note(500);
    shell.wave.watched.dropouts.note(2500);
    StopAll(context);
    EXPECT_EQ(context.view.dropoutMarks, (std::vector<uint32_t>{1500, 3500}));

    // Playing keeps them; the next take starts without them.
    ASSERT_EQ(StartPlay(context), TransportStart::Started);
    StopAll(context);
    EXPECT_EQ(context.view.dropoutMarks.size(), 2u);
    shell.wave.watched.dropouts.clear();
    ASSERT_EQ(StartRecord(context), TransportStart::Started);
    EXPECT_TRUE(context.view.dropoutMarks.empty());
    StopAll(context);
    EXPECT_TRUE(context.view.dropoutMarks.empty());
}

}  // namespace
}  // namespace jorv::test
