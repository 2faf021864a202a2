#pragma once

#include <QDialog>

namespace jorv {

// The program icon, "Jorv Version 1.1" and OK; Escape closes it as Cancel does.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace jorv
