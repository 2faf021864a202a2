#pragma once

#include <QDialog>

namespace jorv {

// A modal dialog without Cancel or close box: Escape and the window manager's close do
// nothing, so OK is the only way out.
class OkOnlyDialog : public QDialog {
    Q_OBJECT
public:
    OkOnlyDialog(QWidget* parent, const QString& title);
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace jorv
