#include "app/LevelMeterWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/QtText.h"

namespace jorv {

namespace {

constexpr int ClipLightHeight = 8;
constexpr int CaptionHeight = 12;
constexpr int Gap = 2;
// Above these levels the bar turns yellow, then red.
constexpr double WarmDb = -12.0;
constexpr double HotDb = -3.0;

const QColor Unlit(0x30, 0x30, 0x30);
const QColor ClipColour(0xe0, 0x20, 0x20);
const QColor HoldColour(0xf0, 0xf0, 0xf0);

// How far up the bar a level reaches, from 0 at the floor to height at full scale.
int LevelHeight(double db, int height) {
    return int((db - PeakMeter::MeterFloorDb) / -PeakMeter::MeterFloorDb * height + 0.5);
}

QColor LevelColour(double db) {
    if (db > HotDb) return ClipColour;
    if (db > WarmDb) return QColor(0xe0, 0xc0, 0x20);
    return QColor(0x30, 0xc0, 0x50);
}

}  // namespace

LevelMeterWidget::LevelMeterWidget(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {
    setToolTip(tr("%1 level; click to put the clip light out").arg(caption));
}

void LevelMeterWidget::show(const StereoPeak& peak, double elapsedSeconds) {
    if (meter_.show(peak, elapsedSeconds)) update();
}

void LevelMeterWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int barsTop = ClipLightHeight + Gap;
    const int barsHeight = height() - barsTop - CaptionHeight;
    const int barWidth = (width() - 3 * Gap) / 2;
    painter.fillRect(QRect(Gap, 0, width() - 2 * Gap, ClipLightHeight), meter_.clipped() ? ClipColour : Unlit);
    paintBar(painter, QRect(Gap, barsTop, barWidth, barsHeight), meter_.left());
    paintBar(painter, QRect(2 * Gap + barWidth, barsTop, barWidth, barsHeight), meter_.right());
    painter.setFont(SmallerFont(font()));
    painter.setPen(palette().windowText().color());
    painter.drawText(QRect(0, height() - CaptionHeight, width(), CaptionHeight), Qt::AlignCenter, caption_);
}

void LevelMeterWidget::paintBar(QPainter& painter, const QRect& area, const PeakMeter::Channel& channel) const {
    painter.fillRect(area, Unlit);
    const int lit = LevelHeight(channel.levelDb, area.height());
    painter.fillRect(QRect(area.left(), area.bottom() + 1 - lit, area.width(), lit), LevelColour(channel.levelDb));
    if (channel.holdDb > PeakMeter::MeterFloorDb) {
        const int y = area.bottom() + 1 - std::max(1, LevelHeight(channel.holdDb, area.height()));
        painter.fillRect(QRect(area.left(), y, area.width(), 2), HoldColour);
    }
}

void LevelMeterWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !meter_.clipped()) return;
    meter_.clearClip();
    update();
}

}  // namespace jorv
