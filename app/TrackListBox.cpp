#include "app/TrackListBox.h"

namespace jorv {

TrackListBox::TrackListBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] { emit notified(Notification::SelectionChange); });
}

void TrackListBox::showPopup() {
    emit notified(Notification::Other);
    QComboBox::showPopup();
}

void TrackListBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    emit notified(Notification::Other);
}

}  // namespace jorv
