#include "shell/ScrollHandling.h"

#include <gtest/gtest.h>

#include "shell/CommandIds.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

class ScrollHandlingTest : public ::testing::Test, protected ShellFixture {
protected:
    ScrollHandlingTest() {
        context.project.framesPerTrack = 1048576;
        context.project.currentTrack = 2;
    }
    Track& current() { return context.project.block.tracks[2]; }
};

TEST_F(ScrollHandlingTest, ArrowsStepWithinTheRangeThumbGoesWhereDraggedPagesDoNothing) {
    HandleScroll(context, cmd::VolumeBar, ScrollCode::LineRight, 0, 255);
    EXPECT_EQ(current().volume, 255);
    HandleScroll(context, cmd::VolumeBar, ScrollCode::LineLeft, 0, 0);
    EXPECT_EQ(current().volume, 0);
    HandleScroll(context, cmd::VolumeBar, ScrollCode::ThumbTrack, 200, 0);
    EXPECT_EQ(current().volume, 200);
    EXPECT_EQ(ui.scrollPositions.at(cmd::VolumeBar), 200);
    for (const ScrollCode ignored : {ScrollCode::PageLeft, ScrollCode::PageRight, ScrollCode::EndScroll})
        HandleScroll(context, cmd::VolumeBar, ignored, 17, 200);
    EXPECT_EQ(current().volume, 200);
    EXPECT_EQ(ui.fullRedraws, 0);
}

TEST_F(ScrollHandlingTest, VolumeAndPanChangeTheCurrentTrackAndItsGainsAtOnce) {
    HandleScroll(context, cmd::VolumeBar, ScrollCode::ThumbPosition, 128, 255);
    HandleScroll(context, cmd::PanBar, ScrollCode::ThumbPosition, 200, 127);
    EXPECT_EQ(current().pan, 200);
    EXPECT_EQ(context.project.gainLeft[2], 128 * 193 / 256);
    EXPECT_EQ(context.project.gainRight[2], 127);
}

TEST_F(ScrollHandlingTest, ZoomAndPositionShowTheLastFramesAtFullZoom) {
    HandleScroll(context, cmd::ZoomBar, ScrollCode::ThumbPosition, 255, 0);
    EXPECT_EQ(context.view.zoom, 256.0);
    HandleScroll(context, cmd::PositionBar, ScrollCode::ThumbPosition, 255, 0);
    EXPECT_EQ(context.view.scrollOffset, 1048576.0 - 4096.0);
    HandleScroll(context, cmd::ZoomBar, ScrollCode::LineLeft, 0, 255);
    EXPECT_EQ(context.view.zoom, 255.0);
    EXPECT_EQ(context.view.scrollOffset, 1048576.0 - 4096.0);  // unchanged by zoom
    EXPECT_EQ(ui.fullRedraws, 3);
}

}  // namespace
}  // namespace jorv::test
