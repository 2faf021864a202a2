#include "app/WaveformView.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

// A loaded track of 1100 frames, two frames to a pixel at zoom 1, whose left channel reads 5120.
struct WaveformViewTest : ::testing::Test {
    WaveformViewTest() : widget(nullptr, view, project, wave) {
        project.framesPerTrack = 1100;
        project.trackBuffer.reset(AllocateFrames(1100));
        std::fill_n(project.trackBuffer.get(), 1100, Frame{5120, -300});
        project.projectLoaded = true;
        ScaleViewToTrack(view, 1100);
        widget.resize(ViewWidth, ViewHeight);
    }
    // The image's colour at a client position.
    QColor at(int x, int y) const { return widget.image().pixelColor(x - ViewLeft, y - ViewTop); }

    ViewState view;
    Project project;
    RecordingWave wave;
    WaveformView widget;
};

TEST_F(WaveformViewTest, DrawsTheTraceTheBandOrdOverItAndTheBeatGrid) {
    project.selectionStart = 100;  // x 242 ..
    project.selectionEnd = 200;    // .. 291
    project.alignToBeat = true;
    project.beatFrames = 300;      // lines at x 192, 342, 492, 642
    widget.render();
    EXPECT_EQ(at(400, 102), QColor(0x20, 0x80, 0x40));  // 92 + 5120 / 512
    EXPECT_EQ(at(400, 60), QColor(Qt::black));
    EXPECT_EQ(at(250, 60), QColor(0x40, 0x40, 0x40));  // the band on black
    EXPECT_EQ(at(250, 102), QColor(0x60, 0xC0, 0x40));  // the band OR'd onto the trace
    EXPECT_EQ(at(292, 60), QColor(Qt::black));         // the band ends before x2
    EXPECT_EQ(at(342, 40), QColor(0x40, 0x20, 0x80));
    EXPECT_EQ(at(342, 150), QColor(Qt::black));        // grid lines end above y 150
}

TEST_F(WaveformViewTest, ThePlayCursorMovesByExclusiveOrAndGoesWithTheFullView) {
    widget.render();
    const QColor trace = at(242, 102);
    project.busy = true;
    project.selectionStart = 0;
    wave.position = 100;  // x 242
    widget.render();
    EXPECT_EQ(at(242, 40), QColor(0x80, 0x40, 0x20));
    EXPECT_EQ(at(242, 102), QColor(0x80 ^ 0x20, 0x40 ^ 0x80, 0x20 ^ 0x40));
    EXPECT_EQ(view.cursorX, 242);
    wave.position = 200;  // x 292: the old line is taken away, the new one drawn
    widget.render();
    EXPECT_EQ(at(242, 40), QColor(Qt::black));
    EXPECT_EQ(at(242, 102), trace);
    EXPECT_EQ(at(292, 40), QColor(0x80, 0x40, 0x20));
    project.busy = false;
    view.cursorX = 0;
    widget.render();
    EXPECT_EQ(at(292, 40), QColor(Qt::black));
}

TEST_F(WaveformViewTest, ADragThroughTheWidgetSelects) {
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(50, 50));  // client x 242: frame 100
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 50), QPointF(150, 50), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&widget, &move);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(project.selectionStart, 100u);
    EXPECT_EQ(project.selectionEnd, 300u);
    EXPECT_FALSE(view.dragging);
}

}  // namespace
}  // namespace jorv::test
