#pragma once

#include <QWidget>

namespace jorv {

// The waveform rectangle, ViewWidth x ViewHeight.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    explicit WaveformView(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace jorv
