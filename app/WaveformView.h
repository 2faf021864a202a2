#pragma once

#include <QImage>
#include <QWidget>

#include "shell/ViewState.h"
#include "core/MinMaxSummary.h"
#include "core/Project.h"
#include "devices/WaveTransport.h"

class QPainter;

namespace jorv {

// The waveform rectangle, the view's width x ViewHeight: the current track's left channel, the
// beat grid and the selection band, drawn on the view's own image; while the transport runs
// only the play cursor moves, drawn and removed by exclusive-or. A drag selects.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    // summary: the current track's, as the commands keep it.
    WaveformView(QWidget* parent, ViewState& view, Project& project, const MinMaxSummary& summary,
                 const WaveTransport& wave);

    // The image as the last paint left it, in the view's own coordinates.
    const QImage& image() const { return image_; }
    // Brings the image up to date: the full view, or only the cursor while busy.
    void render();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawFullView();
    void drawDropoutMarks(QPainter& painter);
    int traceRow(int value) const;
    QPointF tracePoint(int column, int value) const;
    void drawTrace(QPainter& painter);
    void fillColumn(int column, int top, int bottom);
    SampleRange columnRange(FrameSpan column) const;
    int lastColumn() const;
    void moveCursor();
    void drawCursorLine(int32_t clientX);

    ViewState& view_;
    Project& project_;
    const MinMaxSummary& summary_;
    const WaveTransport& wave_;
    QImage image_;
};

}  // namespace jorv
