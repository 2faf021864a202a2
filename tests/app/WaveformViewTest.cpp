#include "app/WaveformView.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <numbers>

#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

const QColor Trace(0x20, 0x80, 0x40);
// The row of silence in the client area: the middle of the smallest view.
constexpr int Baseline = ViewTop + ViewHeight / 2;

// A loaded track of 1100 frames, two frames to a pixel at zoom 1, whose left channel reads 5120.
struct WaveformViewTest : ::testing::Test {
    WaveformViewTest() : widget(nullptr, view, project, summary, wave) {
        load(std::vector<Frame>(1100, Frame{5120, -300}));
        project.projectLoaded = true;
        widget.resize(ViewWidth, ViewHeight);
    }
    // The track holds these frames, summarised as the commands keep it.
    void load(const std::vector<Frame>& frames) {
        project.framesPerTrack = uint32_t(frames.size());
        project.trackBuffer.reset(AllocateFrames(frames.size()));
        std::copy(frames.begin(), frames.end(), project.trackBuffer.get());
        summary.build(project.trackBuffer.get(), project.framesPerTrack);
        ScaleViewToTrack(view, project.framesPerTrack);
    }
    // The image's colour at a client position.
    QColor at(int x, int y) const { return widget.image().pixelColor(x - ViewLeft, y - ViewTop); }
    // The topmost and bottommost rows of the image that the trace reaches in a client column.
    std::pair<int, int> traceExtent(int x) const {
        int top = -1, bottom = -1;
        for (int y = ViewTop; y < ViewTop + ViewHeight; ++y) {
            if (at(x, y) != Trace) continue;
            if (top < 0) top = y;
            bottom = y;
        }
        return {top, bottom};
    }

    ViewState view;
    Project project;
    MinMaxSummary summary;
    RecordingWave wave;
    WaveformView widget;
};

std::vector<Frame> Sine(uint32_t frames, double hertz, double amplitude) {
    std::vector<Frame> sine(frames);
    for (uint32_t k = 0; k < frames; ++k)
        sine[k].left = int16_t(amplitude * std::sin(2 * std::numbers::pi * hertz * k / WaveFormat::sampleRate));
    return sine;
}

TEST_F(WaveformViewTest, DrawsTheTraceTheBandOrdOverItAndTheBeatGrid) {
    project.selectionStart = 100;  // x 242 ..
    project.selectionEnd = 200;    // .. 291
    project.alignToBeat = true;
    project.beatFrames = 300;      // lines at x 192, 342, 492, 642
    widget.render();
    EXPECT_EQ(at(400, Baseline + 10), QColor(0x20, 0x80, 0x40));  // 5120 / 512 below the middle
    EXPECT_EQ(at(400, ViewTop + 28), QColor(Qt::black));
    EXPECT_EQ(at(250, ViewTop + 28), QColor(0x40, 0x40, 0x40));  // the band on black
    EXPECT_EQ(at(250, Baseline + 10), QColor(0x60, 0xC0, 0x40));  // the band OR'd onto the trace
    EXPECT_EQ(at(292, ViewTop + 28), QColor(Qt::black));         // the band ends before x2
    EXPECT_EQ(at(342, ViewTop + 8), QColor(0x40, 0x20, 0x80));
    EXPECT_EQ(at(342, ViewTop + 118), QColor(Qt::black));        // grid lines end two rows above the bottom
}

// An empty selection shows as a band one pixel wide: where the keys and the edits start.
TEST_F(WaveformViewTest, AnEmptySelectionIsACursorOnePixelWide) {
    project.selectionStart = project.selectionEnd = 300;  // x 342
    widget.render();
    EXPECT_EQ(at(342, ViewTop + 28), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(at(341, ViewTop + 28), QColor(Qt::black));
    EXPECT_EQ(at(343, ViewTop + 28), QColor(Qt::black));
}

// A whole 4 MB track, about 1900 frames to a column: sampling one frame per column would draw
// a wobble; every column spans the tone's crests instead.
TEST_F(WaveformViewTest, ASineZoomedOutAllTheWayIsASteadyBand) {
    load(Sine(1048576, 440, 16000));
    widget.render();
    for (int x = ViewLeft + 1; x < ViewLeft + ViewWidth; ++x) {
        const auto [top, bottom] = traceExtent(x);
        ASSERT_NEAR(top, Baseline - 31, 1) << x;  // -/+ 16000 / 512
        ASSERT_NEAR(bottom, Baseline + 31, 1) << x;
    }
}

// Where a column covers one frame or less, the picture is the line through one frame per column
// from the baseline at the left edge, as drawn line by line.
TEST_F(WaveformViewTest, ZoomedInTheTraceIsALineThroughOneFramePerColumn) {
    load(Sine(1100, 440, 20000));
    project.selectionStart = project.selectionEnd = 1099;  // the cursor out of sight
    for (const auto& [zoom, offset] : {std::pair{2.0, 0.0}, std::pair{7.0, 300.0}}) {
        view.zoom = zoom;
        view.scrollOffset = offset;
        widget.render();
        QImage expected(ViewWidth, ViewHeight, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        painter.setPen(Trace);
        QPoint previous(0, Baseline - ViewTop);
        for (int x = ViewLeft; x < ViewLeft + ViewWidth; ++x) {
            const QPoint next(x - ViewLeft, Baseline + project.trackBuffer[PixelToFrame(view, 1100, x)].left / 512 - ViewTop);
            painter.drawLine(previous, next);
            previous = next;
        }
        painter.end();
        EXPECT_EQ(widget.image(), expected) << zoom;
    }
}

TEST_F(WaveformViewTest, ThePlayCursorMovesByExclusiveOrAndGoesWithTheFullView) {
    widget.render();
    const QColor trace = at(242, Baseline + 10);
    project.busy = true;
    project.selectionStart = 0;
    wave.position = 100;  // x 242
    widget.render();
    EXPECT_EQ(at(242, ViewTop + 8), QColor(0x80, 0x40, 0x20));
    EXPECT_EQ(at(242, Baseline + 10), QColor(0x80 ^ 0x20, 0x40 ^ 0x80, 0x20 ^ 0x40));
    EXPECT_EQ(view.cursorX, 242);
    wave.position = 200;  // x 292: the old line is taken away, the new one drawn
    widget.render();
    EXPECT_EQ(at(242, ViewTop + 8), QColor(Qt::black));
    EXPECT_EQ(at(242, Baseline + 10), trace);
    EXPECT_EQ(at(292, ViewTop + 8), QColor(0x80, 0x40, 0x20));
    project.busy = false;
    view.cursorX = 0;
    widget.render();
    EXPECT_EQ(at(292, ViewTop + 8), QColor(Qt::black));
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

// Resized with its window, the view shows the whole track over its new width and scales the
// trace to its new height: twice as tall, a sample lies twice as far from the middle.
TEST_F(WaveformViewTest, AResizedViewSpreadsTheTrackAndTheTraceOverItsNewSize) {
    widget.show();
    widget.resize(1100, 2 * ViewHeight);
    QCoreApplication::processEvents();
    ASSERT_EQ(view.width, 1100);
    ASSERT_EQ(view.height, 2 * ViewHeight);
    EXPECT_EQ(PixelToFrame(view, 1100, ViewLeft + 1000), 1000u);  // one frame to a column now
    widget.render();
    EXPECT_EQ(widget.image().size(), QSize(1100, 2 * ViewHeight));
    EXPECT_EQ(at(ViewLeft + 500, ViewTop + ViewHeight + 20), Trace);  // 5120 / 256 below the middle
    EXPECT_EQ(at(ViewLeft + 500, Baseline + 10), QColor(Qt::black));
}

// On a dense screen (the test runs again with QT_SCALE_FACTOR=2) the image has a pixel for each
// of the screen's, and every one of its columns of a tone zoomed out holds the band.
TEST_F(WaveformViewTest, ADenseScreenGetsAnImageColumnForEachOfItsPixels) {
    widget.show();
    widget.resize(ViewWidth, ViewHeight);
    QCoreApplication::processEvents();
    const qreal ratio = widget.devicePixelRatioF();
    load(Sine(1048576, 440, 16000));
    widget.render();
    const QImage& image = widget.image();
    ASSERT_EQ(image.size(), (QSizeF(ViewWidth, ViewHeight) * ratio).toSize());
    const int middle = image.height() / 2, reach = int(16000 * image.height() / (ViewHeight * 512));
    for (int column = int(2 * ratio); column < image.width(); ++column) {  // right of the cursor
        ASSERT_EQ(image.pixelColor(column, middle - reach + 1), Trace) << column;
        ASSERT_EQ(image.pixelColor(column, middle + reach - 1), Trace) << column;
        ASSERT_EQ(image.pixelColor(column, middle - reach - 2), QColor(Qt::black)) << column;
    }
    // A saw of two frames to a view column: each of the screen's columns shows its own frame.
    std::vector<Frame> ramp(1100);
    for (int k = 0; k < 1100; ++k) ramp[k].left = int16_t(k % 100 * 300 - 15000);  // a row or more a frame
    load(ramp);
    widget.render();
    const auto firstTraceRow = [&image](int column) {
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(column, y) == Trace) return y;
        return -1;
    };
    if (ratio >= 2) EXPECT_NE(firstTraceRow(int(210 * ratio)), firstTraceRow(int(210 * ratio) + 1));
}

// Two frames to a pixel: frame 400 is at client x 392.
TEST_F(WaveformViewTest, TheLastTakesDropoutsAreMarkedAtTheTopOverTheirFrames) {
    view.dropoutMarks = {400, 5000};  // the second lies beyond the track's view
    widget.render();
    const QColor red(0xe0, 0x20, 0x20);
    EXPECT_EQ(at(392, ViewTop + 1), red);
    EXPECT_EQ(at(392, ViewTop + 10), QColor(Qt::black));  // a wedge, not a line through the trace
    EXPECT_EQ(at(420, ViewTop + 1), QColor(Qt::black));
    view.dropoutMarks.clear();
    widget.render();
    EXPECT_EQ(at(392, ViewTop + 1), QColor(Qt::black));
}

}  // namespace
}  // namespace jorv::test
