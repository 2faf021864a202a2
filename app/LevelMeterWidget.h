#pragma once

#include <QString>
#include <QWidget>

#include "shell/PeakMeter.h"

namespace jorv {

// One stereo peak meter: a clip light on top, the left and right bars with their held peaks,
// and a caption underneath. Clicking it puts the clip light out.
class LevelMeterWidget : public QWidget {
    Q_OBJECT
public:
    LevelMeterWidget(QWidget* parent, const QString& caption);

    // The peaks of the last elapsedSeconds; repaints only when the picture changes.
    void show(const StereoPeak& peak, double elapsedSeconds);
    const PeakMeter& meter() const { return meter_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintBar(class QPainter& painter, const QRect& area, const PeakMeter::Channel& channel) const;

    QString caption_;
    PeakMeter meter_;
};

}  // namespace jorv
