#include <gtest/gtest.h>

#include "shell/CommandIds.h"
#include "shell/ControlLayout.h"
#include "shell/SelectRange.h"
#include "shell/TimeRuler.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

TEST(TimeRulerTest, TimesAreWrittenAsMinutesSecondsAndMillisecondsAndReadBackTheSame) {
    EXPECT_EQ(FormatTime(0), "0:00.000");
    EXPECT_EQ(FormatTime(44099), "0:00.999");  // rounded down: never a time not yet reached
    EXPECT_EQ(FormatTime(44100 * 61 + 22050), "1:01.500");
    EXPECT_EQ(FormatTime(uint64_t{44100} * 3600), "60:00.000");
    for (const char* time : {"0:00.001", "0:59.999", "3:07.250", "12:00.000"})
        EXPECT_EQ(FormatTime(*ParseTimeOrFrames(time)), time);

    EXPECT_EQ(ParseTimeOrFrames("88200"), 88200u);        // a whole number is frames
    EXPECT_EQ(ParseTimeOrFrames(" 2.5 "), 110250u);       // a dot makes it seconds
    EXPECT_EQ(ParseTimeOrFrames("1:02.5"), 62u * 44100 + 22050);
    EXPECT_EQ(ParseTimeOrFrames("1:05"), 65u * 44100);
    for (const char* wrong : {"", "abc", "-5", "1:", ":5", "1:60", "1:075", "2.5000", "1.2.3", "1:2:3", "5s"})
        EXPECT_FALSE(ParseTimeOrFrames(wrong)) << wrong;
}

// A 20 s track over 550 columns: labels every 5 s (90 pixels and more apart), short ticks
// every 1 s between them; zoomed in 64 times, every 50 ms.
TEST(TimeRulerTest, TicksTakeTheShortestRoundStepThatKeepsTheLabelsApart) {
    ViewState view;
    const uint32_t frames = 20 * 44100;
    ScaleViewToTrack(view, frames);
    std::vector<uint64_t> labelled;
    for (const RulerTick& tick : RulerTicks(view, frames)) {
        EXPECT_GE(tick.x, ViewLeft);
        EXPECT_LT(tick.x, ViewLeft + view.width);
        EXPECT_EQ(tick.frame % 44100, 0u);
        if (tick.labelled) labelled.push_back(tick.frame / 44100);
    }
    EXPECT_EQ(labelled, (std::vector<uint64_t>{0, 5, 10, 15}));
    EXPECT_EQ(RulerTicks(view, frames).size(), 20u);

    view.zoom = 64;
    view.scrollOffset = 44100;
    const std::vector<RulerTick> close = RulerTicks(view, frames);
    ASSERT_GE(close.size(), 2u);
    EXPECT_EQ(close.front().frame, 44100u);
    for (std::size_t k = 1; k < close.size(); ++k) {
        if (!close[k].labelled) continue;
        EXPECT_EQ((close[k].frame - 44100) % 2205, 0u);  // 50 ms
        break;
    }
}

TEST(TimeRulerTest, TheReadoutGivesTheSelectionAndWhileRunningThePosition) {
    EXPECT_EQ(SelectionReadout(44100, 110250, std::nullopt), "Start 0:01.000   End 0:02.500   Length 0:01.500");
    EXPECT_EQ(SelectionReadout(0, 0, 441), "Start 0:00.000   End 0:00.000   Length 0:00.000   Position 0:00.010");
}

struct SelectRangeTest : ::testing::Test {
    SelectRangeTest() { shell.project.projectLoaded = true; }
    OneTrackShell shell{10 * 44100};
    Project& project = shell.project;
};

TEST_F(SelectRangeTest, EditSelectRangeTakesTimesOrFramesAndLimitsTheEndToTheTrack) {
    shell.window.selectRange = [&] { EXPECT_TRUE(ApplySelectRange(shell.context, "0:01.000", "2.5")); };
    RunCommand(shell.context, cmd::SelectRange, Notification::Clicked);
    EXPECT_EQ(shell.window.dialogs, (std::vector<std::string>{"selectRange"}));
    EXPECT_EQ(project.selectionStart, 44100u);
    EXPECT_EQ(project.selectionEnd, 110250u);

    EXPECT_TRUE(ApplySelectRange(shell.context, "100", "99999999"));
    EXPECT_EQ(project.selectionStart, 100u);
    EXPECT_EQ(project.selectionEnd, project.framesPerTrack - 1);  // as Select All ends
}

TEST_F(SelectRangeTest, AFieldThatIsNoTimeOrAnEndBeforeTheStartIsSaidAndChangesNothing) {
    project.selectionStart = 5;
    project.selectionEnd = 50;
    EXPECT_FALSE(ApplySelectRange(shell.context, "1:00", "0:30"));
    EXPECT_FALSE(ApplySelectRange(shell.context, "soon", "0:30"));
    EXPECT_EQ(shell.ui.textsWithCaption("Select Range"),
              (std::vector<std::string>{"The end of the range lies before its start.",
                                        "Type the start and the end as m:ss.mmm, as seconds (12.5) or as a number of frames."}));
    EXPECT_EQ(project.selectionStart, 5u);
    EXPECT_EQ(project.selectionEnd, 50u);
}

TEST_F(SelectRangeTest, WithAlignToBeatBothEndsSnapToTheBeat) {
    project.alignToBeat = true;
    project.beatFrames = 1000;
    EXPECT_TRUE(ApplySelectRange(shell.context, "1400", "2600"));
    EXPECT_EQ(project.selectionStart % 1000, 0u);
    EXPECT_EQ(project.selectionEnd % 1000, 0u);
    EXPECT_LE(project.selectionStart, project.selectionEnd);
}

// The smallest window places every control where the table says; a larger one moves the right
// and bottom ones and stretches the view, and never shrinks anything below its place.
TEST(ControlLayoutTest, ControlsFollowTheEdgesTheyAreAnchoredTo) {
    const auto find = [](ControlKind kind) {
        for (const ControlEntry& entry : MainWindowControls())
            if (entry.kind == kind) return entry;
        ADD_FAILURE();
        return MainWindowControls().front();
    };
    const ControlEntry view = find(ControlKind::WaveView), meter = find(ControlKind::RecordedMeter),
                       status = find(ControlKind::StatusLine), button = find(ControlKind::ToolButton);
    for (const ControlEntry& entry : MainWindowControls())
        EXPECT_EQ(PlaceControl(entry, ClientWidth, ClientHeight),
                  (ControlGeometry{entry.x, entry.y, entry.width, entry.height}));
    EXPECT_EQ(PlaceControl(view, ClientWidth + 300, ClientHeight + 100),
              (ControlGeometry{ViewLeft, ViewTop, ViewWidth + 300, ViewHeight + 100}));
    EXPECT_EQ(PlaceControl(meter, ClientWidth + 300, ClientHeight + 100),
              (ControlGeometry{meter.x + 300, meter.y, meter.width, meter.height + 100}));
    EXPECT_EQ(PlaceControl(status, ClientWidth + 300, ClientHeight + 100),
              (ControlGeometry{status.x, status.y + 100, status.width, status.height}));
    EXPECT_EQ(PlaceControl(button, ClientWidth + 300, ClientHeight + 100),
              (ControlGeometry{button.x, button.y, button.width, button.height}));
    EXPECT_EQ(PlaceControl(view, ClientWidth - 50, ClientHeight - 50),
              (ControlGeometry{ViewLeft, ViewTop, ViewWidth, ViewHeight}));
}

}  // namespace
}  // namespace jorv::test
