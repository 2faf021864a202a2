#include "app/WaveformView.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/BeatGrid.h"

namespace jorv {

namespace {

const QColor TraceColour(0x20, 0x80, 0x40);
const QColor GridColour(0x40, 0x20, 0x80);
const QColor CursorColour(0x80, 0x40, 0x20);
const QColor BandColour(0x40, 0x40, 0x40);  // the dark grey brush
constexpr int TraceBaseline = 92;
constexpr int LastColumn = ViewLeft + ViewWidth - 1;

// Client coordinates onto the view's own image.
QPoint OnImage(int x, int y) { return {x - ViewLeft, y - ViewTop}; }

// A vertical line from y1 down to, not including, y2, as the window system draws one.
void VerticalLine(QPainter& painter, int x, int y1, int y2) { painter.drawLine(OnImage(x, y1), OnImage(x, y2 - 1)); }

}  // namespace

WaveformView::WaveformView(QWidget* parent, ViewState& view, Project& project, const WaveTransport& wave)
    : QWidget(parent), view_(view), project_(project), wave_(wave), image_(ViewWidth, ViewHeight, QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::black);
}

void WaveformView::render() {
    if (!project_.projectLoaded) return;
    if (project_.busy) moveCursor();
    else drawFullView();
}

void WaveformView::paintEvent(QPaintEvent*) {
    render();
    QPainter(this).drawImage(0, 0, image_);
}

void WaveformView::drawFullView() {
    QPainter painter(&image_);
    painter.fillRect(image_.rect(), Qt::black);
    const uint32_t frames = project_.framesPerTrack;
    if (project_.alignToBeat && project_.beatFrames != 0) {
        painter.setPen(GridColour);
        const uint32_t first = SnapToBeat(project_, PixelToFrame(view_, frames, 0));
        const uint32_t last = SnapToBeat(project_, PixelToFrame(view_, frames, LastColumn));
        for (uint64_t f = first; f <= last; f += project_.beatFrames) {
            const int32_t x = FrameToPixel(view_, double(f));
            if (x >= ViewLeft && x <= LastColumn) VerticalLine(painter, x, ViewTop, 150);
        }
    }
    painter.setPen(TraceColour);
    QPoint previous = OnImage(ViewLeft, TraceBaseline);
    for (int x = ViewLeft; x <= LastColumn; ++x) {
        const uint32_t f = PixelToFrame(view_, frames, x);
        const int value = f < frames && project_.trackBuffer ? project_.trackBuffer[f].left : -1;
        const QPoint next = OnImage(x, TraceBaseline + value / 512);
        painter.drawLine(previous, next);
        previous = next;
    }
    const int32_t x1 = FrameToPixel(view_, project_.selectionStart), x2 = FrameToPixel(view_, project_.selectionEnd);
    if (x2 > x1) {
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.fillRect(QRect(OnImage(x1, ViewTop), OnImage(x2 - 1, ViewTop + ViewHeight - 1)), BandColour);
    }
}

void WaveformView::moveCursor() {
    const uint64_t position = uint64_t{project_.selectionStart} + wave_.playPosition();
    const int32_t x = FrameToPixel(view_, double(position));
    if (x == view_.cursorX) return;
    drawCursorLine(view_.cursorX);
    drawCursorLine(x);
    view_.cursorX = x;
}

// Drawn twice, a line by exclusive-or leaves no trace: that is how the old cursor goes.
void WaveformView::drawCursorLine(int32_t clientX) {
    if (clientX < ViewLeft || clientX > LastColumn) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(CursorColour);
    VerticalLine(painter, clientX, ViewTop, 151);
}

void WaveformView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint client = event->position().toPoint() + QPoint(ViewLeft, ViewTop);
    PressInView(view_, project_, client.x(), client.y());
}

void WaveformView::mouseMoveEvent(QMouseEvent* event) {
    const int clientX = event->position().toPoint().x() + ViewLeft;
    if (MoveSelection(view_, project_, clientX)) update();
}

void WaveformView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ReleaseInView(view_);
}

}  // namespace jorv
