#include "app/OkOnlyDialog.h"

#include <QCloseEvent>

namespace jorv {

OkOnlyDialog::OkOnlyDialog(QWidget* parent, const QString& title) : QDialog(parent) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void OkOnlyDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace jorv
