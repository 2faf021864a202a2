#include "shell/ViewState.h"

#include <gtest/gtest.h>

#include "core/BeatGrid.h"

namespace jorv::test {
namespace {

constexpr uint32_t FourMegabytes = 1048576;

struct ViewStateTest : ::testing::Test {
    ViewStateTest() {
        project.framesPerTrack = FourMegabytes;
        ScaleViewToTrack(view, FourMegabytes);
    }
    ViewState view;
    Project project;
};

TEST_F(ViewStateTest, PixelsAndFramesMapBothWaysWithinTheTrack) {
    EXPECT_EQ(PixelToFrame(view, FourMegabytes, 192), 0u);
    EXPECT_EQ(PixelToFrame(view, FourMegabytes, 100), 0u);  // left of the view: its first column
    EXPECT_EQ(PixelToFrame(view, FourMegabytes, 742), FourMegabytes - 2);
    EXPECT_EQ(FrameToPixel(view, 524288), 467);
    EXPECT_EQ(FrameToPixel(view, 0), 192);

    view.zoom = 256;  // Zoom at 255 and Pos at 255 show the last 4096 frames
    view.scrollOffset = FourMegabytes - FourMegabytes / 256.0;
    EXPECT_EQ(PixelToFrame(view, FourMegabytes, 192), FourMegabytes - 4096);
    EXPECT_EQ(PixelToFrame(view, FourMegabytes, 742), FourMegabytes - 2);
    EXPECT_LT(FrameToPixel(view, 0), -100000);  // far left of the view, not wrapped

    // Without buffers (or with a single frame) the only frame is 0, never a negative one.
    EXPECT_EQ(PixelToFrame(view, 0, 500), 0u);
    EXPECT_EQ(PixelToFrame(view, 1, 500), 0u);
}

// Zoomed out, side by side the columns cover every frame once; zoomed in, each covers one.
TEST_F(ViewStateTest, EachColumnCoversTheFramesUpToTheNextColumns) {
    for (int width : {ViewWidth, 1920}) {
        view.width = width;
        ScaleViewToTrack(view, FourMegabytes);
        uint32_t next = 0;
        for (int x = ViewLeft; x < ViewLeft + width; ++x) {
            const FrameSpan column = ColumnFrames(view, FourMegabytes, x);
            ASSERT_EQ(column.first, next) << x;
            ASSERT_GT(column.end, column.first + FourMegabytes / width / 2) << x;
            next = column.end;
        }
        EXPECT_EQ(next, FourMegabytes);  // the last column holds the last frame too
    }
    view.width = ViewWidth;
    ScaleViewToTrack(view, 1100);
    view.zoom = 4;  // half a frame to a column
    view.scrollOffset = 500;
    for (int x = ViewLeft; x < ViewLeft + ViewWidth; ++x) {
        const FrameSpan column = ColumnFrames(view, 1100, x);
        ASSERT_EQ(column.first, PixelToFrame(view, 1100, x));
        ASSERT_EQ(column.end, column.first + 1);
    }
    EXPECT_EQ(ColumnFrames(view, 0, ViewLeft).end, 1u);  // without buffers: frame 0 alone
}

TEST_F(ViewStateTest, ADragSelectsRightwardsFromWhereThePressWasInsideTheView) {
    PressInView(view, project, 191, 100);  // one pixel left of the view
    PressInView(view, project, 300, ViewTop + ViewHeight + 1);  // one pixel below it
    PressInView(view, project, 300, ViewTop - 1);  // on the ruler above it
    EXPECT_FALSE(view.dragging);
    EXPECT_FALSE(MoveSelection(view, project, 400));

    PressInView(view, project, 300, ViewTop + 8);
    EXPECT_TRUE(view.dragging);
    const uint32_t start = PixelToFrame(view, FourMegabytes, 300);
    EXPECT_EQ(project.selectionStart, start);
    EXPECT_EQ(project.selectionEnd, start);
    EXPECT_TRUE(MoveSelection(view, project, 400));
    EXPECT_EQ(project.selectionEnd, PixelToFrame(view, FourMegabytes, 400));
    MoveSelection(view, project, 250);  // left of the start: an empty selection at the start
    EXPECT_EQ(project.selectionEnd, start);
    MoveSelection(view, project, 2000);  // beyond the view: its last frame
    EXPECT_EQ(project.selectionEnd, FourMegabytes - 2);
    ReleaseInView(view);
    EXPECT_FALSE(MoveSelection(view, project, 500));
    EXPECT_EQ(project.selectionEnd, FourMegabytes - 2);
}

TEST_F(ViewStateTest, AlignToBeatSnapsBothEndsToTheBeat) {
    EXPECT_EQ(SnapToBeat(project, 300000), 282240u);
    EXPECT_EQ(SnapToBeat(project, 100), 0u);
    project.framesPerTrack = 200000;
    EXPECT_EQ(SnapToBeat(project, 199999), 141120u);
    EXPECT_EQ(SnapToBeat(project, 290000), 199999u);  // a beat starting past the end: the last frame
    project.beatFrames = 0;  // a beat of no length leaves frames alone
    EXPECT_EQ(SnapToBeat(project, 12345), 12345u);

    project.framesPerTrack = FourMegabytes;
    project.beatFrames = 141120;
    project.alignToBeat = true;
    const int pixelOf200000 = FrameToPixel(view, 200000) + 1;
    PressInView(view, project, ViewLeft, 100);
    MoveSelection(view, project, pixelOf200000);
    EXPECT_EQ(project.selectionStart, 0u);
    EXPECT_EQ(project.selectionEnd, 141120u);
}

}  // namespace
}  // namespace jorv::test
