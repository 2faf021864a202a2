#include "app/TimeRulerWidget.h"

#include <QPainter>

#include "app/QtText.h"
#include "shell/TimeRuler.h"

namespace jorv {

namespace {

constexpr int ShortTick = 3;
constexpr int LabelGap = 3;

}  // namespace

TimeRulerWidget::TimeRulerWidget(QWidget* parent, const ViewState& view, const Project& project)
    : QWidget(parent), view_(view), project_(project) {}

void TimeRulerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!project_.projectLoaded) return;
    painter.setPen(palette().windowText().color());
    painter.setFont(SmallerFont(font()));
    const int bottom = height() - 1;
    for (const RulerTick& tick : RulerTicks(view_, project_.framesPerTrack)) {
        const int x = tick.x - ViewLeft;
        painter.drawLine(x, tick.labelled ? 0 : bottom - ShortTick, x, bottom);
        if (tick.labelled)
            painter.drawText(QRect(x + LabelGap, 0, MinLabelSpacing, height()), Qt::AlignLeft | Qt::AlignVCenter,
                             ToQt(FormatTime(tick.frame)));
    }
    painter.drawLine(0, bottom, width(), bottom);
}

}  // namespace jorv
