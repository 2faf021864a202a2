#include "app/ThumbOnlyBar.h"

#include "app/ControlName.h"

namespace jorv {

QScrollBar* NewThumbOnlyBar(Qt::Orientation orientation, QWidget* parent, int id) {
    auto* bar = new QScrollBar(orientation, parent);
    NameControl(bar, id);
    bar->setPageStep(1);
    QObject::connect(bar, &QScrollBar::actionTriggered, bar, [bar](int action) {
        if (action != QAbstractSlider::SliderMove) bar->setSliderPosition(bar->value());
    });
    return bar;
}

}  // namespace jorv
