#include "app/qt/WaveformView.h"

#include <QPainter>

namespace jorv {

WaveformView::WaveformView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void WaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

}  // namespace jorv
