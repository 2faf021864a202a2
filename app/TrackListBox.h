#pragma once

#include <QComboBox>

#include "core/UiServices.h"

namespace jorv {

// The track list. Every notification stops the transport, so opening the list or giving it the
// focus is reported too, not only a new selection.
class TrackListBox : public QComboBox {
    Q_OBJECT
public:
    explicit TrackListBox(QWidget* parent);
    void showPopup() override;

signals:
    void notified(jorv::Notification notification);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace jorv
