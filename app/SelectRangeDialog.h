#pragma once

#include <QDialog>

class QLineEdit;

namespace jorv {

struct AppContext;

// "Select Range": the selection's start and end, shown and typed as m:ss.mmm, seconds or
// frames; OK applies them or says what is wrong and stays open.
class SelectRangeDialog : public QDialog {
    Q_OBJECT
public:
    SelectRangeDialog(QWidget* parent, AppContext& context);

    void accept() override;

private:
    AppContext& context_;
    QLineEdit* start_;
    QLineEdit* end_;
};

}  // namespace jorv
