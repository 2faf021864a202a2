#pragma once

#include <QWidget>

namespace jorv {

// The 550 x 120 waveform rectangle.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    explicit WaveformView(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace jorv
