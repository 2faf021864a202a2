#pragma once

#include <QDialog>

#include "shell/AppContext.h"

class QLineEdit;

namespace jorv {

// "Rip MCI": the media file (or CD track number) that the next Record plays and records.
class RipDialog final : public QDialog {
    Q_OBJECT
public:
    RipDialog(QWidget* parent, AppContext& context);

private:
    void accept() override;
    void reject() override;

    AppContext& context_;
    QLineEdit* source_;
};

}  // namespace jorv
