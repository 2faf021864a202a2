#pragma once

#include <QWidget>

#include "shell/ViewState.h"

namespace jorv {

// The time above the waveform view: ticks at round steps for the zoom, every long one with its
// m:ss.mmm, over the same columns as the view.
class TimeRulerWidget : public QWidget {
    Q_OBJECT
public:
    TimeRulerWidget(QWidget* parent, const ViewState& view, const Project& project);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ViewState& view_;
    const Project& project_;
};

}  // namespace jorv
