#include "app/WaveformView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "core/BeatGrid.h"

namespace jorv {

namespace {

const QColor TraceColour(0x20, 0x80, 0x40);
const QColor GridColour(0x40, 0x20, 0x80);
const QColor CursorColour(0x80, 0x40, 0x20);
const QColor BandColour(0x40, 0x40, 0x40);  // the dark grey brush
const QColor DropoutColour(0xe0, 0x20, 0x20);
constexpr int DropoutMarkSize = 5;

// Client coordinates onto the view's own image.
QPoint OnImage(int x, int y) { return {x - ViewLeft, y - ViewTop}; }


// A vertical line from y1 down to, not including, y2, as the window system draws one.
void VerticalLine(QPainter& painter, int x, int y1, int y2) { painter.drawLine(OnImage(x, y1), OnImage(x, y2 - 1)); }

}  // namespace

WaveformView::WaveformView(QWidget* parent, ViewState& view, Project& project, const MinMaxSummary& summary,
                           const WaveTransport& wave)
    : QWidget(parent),
      view_(view),
      project_(project),
      summary_(summary),
      wave_(wave),
      image_(view.width, view.height, QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::black);
}

// The view takes the size the window gives it: the whole track still fills it at zoom 1, and
// the image has a pixel for each of the screen's, so a dense screen shows a crisp picture.
void WaveformView::resizeEvent(QResizeEvent*) {
    view_.width = width();
    view_.height = height();
    ScaleViewToTrack(view_, project_.framesPerTrack);
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::black);
    view_.cursorX = 0;  // the old cursor went with the old image
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
        const uint32_t last = SnapToBeat(project_, PixelToFrame(view_, frames, lastColumn()));
        for (uint64_t f = first; f <= last; f += project_.beatFrames) {
            const int32_t x = FrameToPixel(view_, double(f));
            if (x >= ViewLeft && x <= lastColumn()) VerticalLine(painter, x, ViewTop, ViewTop + view_.height - 2);
        }
    }
    drawTrace(painter);
    const int32_t x1 = FrameToPixel(view_, project_.selectionStart), x2 = FrameToPixel(view_, project_.selectionEnd);
    // An empty selection is where the keys and the edits start: a band one pixel wide, so the
    // keyboard's cursor can be seen.
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.fillRect(QRect(OnImage(x1, ViewTop), OnImage(std::max(x2 - 1, x1), ViewTop + view_.height - 1)), BandColour);
    drawDropoutMarks(painter);
}

// A small red wedge at the top of the view over each frame of the last take where the audio
// system reported a dropout.
void WaveformView::drawDropoutMarks(QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DropoutColour);
    for (const uint32_t frame : view_.dropoutMarks) {
        const int32_t x = FrameToPixel(view_, double(frame));
        if (x < ViewLeft || x > lastColumn()) continue;
        const QPoint tip = OnImage(x, ViewTop + DropoutMarkSize);
        const QPoint wedge[] = {tip, tip + QPoint(-DropoutMarkSize, -DropoutMarkSize), tip + QPoint(DropoutMarkSize, -DropoutMarkSize)};
        painter.drawPolygon(wedge, 3);
    }
}

// A column of one frame is that frame's point, joined to the point before, so a close view is a
// line through the samples. A wider column spans from its lowest to its highest sample, joined
// from the last frame of the column before to its first, so a steady tone stays a steady band
// at any zoom. The columns are the image's own, so a dense screen gets as many as it has pixels.
// The joins go to the painter in one call; the spans, most of the pixels of a view zoomed out,
// are written straight into the image's rows, which costs a fraction of it.
void WaveformView::drawTrace(QPainter& painter) {
    const uint32_t frames = project_.framesPerTrack;
    const Frame* samples = project_.trackBuffer.get();
    const qreal ratio = image_.devicePixelRatio();
    std::vector<QLineF> joins;
    joins.reserve(std::size_t(image_.width()));
    QPointF previous = tracePoint(0, 0);
    for (int column = 0; column < image_.width(); ++column) {
        const FrameSpan span = ColumnFrames(view_, frames, ViewLeft + column / ratio, 1 / ratio);
        if (!samples || span.end - span.first == 1) {
            const QPointF next = tracePoint(column, span.first < frames && samples ? samples[span.first].left : -1);
            joins.emplace_back(previous, next);
            previous = next;
            continue;
        }
        const SampleRange range = columnRange(span);
        joins.emplace_back(previous, tracePoint(column, samples[span.first].left));
        fillColumn(column, traceRow(range.lowest), traceRow(range.highest));
        previous = tracePoint(column, samples[span.end - 1].left);
    }
    painter.setPen(TraceColour);
    painter.drawLines(joins.data(), int(joins.size()));
}

// The image row of a sample: the middle of the view is silence, and at the smallest view (and
// one pixel to a screen's pixel) a step of 512 is one row.
int WaveformView::traceRow(int value) const {
    const int rows = image_.height();
    return rows / 2 + int(int64_t{value} * rows / (int64_t{ViewHeight} * 512));
}

// A sample's point in image column `column`, in the view's own coordinates for the painter.
QPointF WaveformView::tracePoint(int column, int value) const {
    const qreal ratio = image_.devicePixelRatio();
    return {column / ratio, traceRow(value) / ratio};
}

// The trace's pixels of one image column from row `top` to row `bottom`, both included, within
// the image.
void WaveformView::fillColumn(int column, int top, int bottom) {
    const int first = std::max(top, 0), last = std::min(bottom, image_.height() - 1);
    if (first > last) return;
    const auto stride = std::size_t(image_.bytesPerLine());
    uchar* pixel = image_.bits() + std::size_t(first) * stride + std::size_t(column) * sizeof(QRgb);
    const QRgb colour = TraceColour.rgb();
    for (int y = first; y <= last; ++y, pixel += stride) *reinterpret_cast<QRgb*>(pixel) = colour;
}

// Inside a command that has just replaced the buffers the summary may still describe the old
// ones; then the column's frames are read one by one, slower but never beyond the track.
SampleRange WaveformView::columnRange(FrameSpan column) const {
    const Frame* samples = project_.trackBuffer.get();
    if (summary_.frames() == project_.framesPerTrack) return summary_.range(samples, column.first, column.end);
    return ScanLeftRange(samples, column.first, column.end);
}

int WaveformView::lastColumn() const { return ViewLeft + view_.width - 1; }

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
    if (clientX < ViewLeft || clientX > lastColumn()) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(CursorColour);
    VerticalLine(painter, clientX, ViewTop, ViewTop + view_.height - 1);
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
