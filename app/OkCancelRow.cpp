#include "app/OkCancelRow.h"

#include <QDialog>
#include <QGridLayout>
#include <QPushButton>

#include "app/ControlName.h"

namespace jorv {

void AddOkCancelRow(QDialog* dialog, QGridLayout* grid, int row) {
    auto* ok = NameControl(new QPushButton(QStringLiteral("OK"), dialog), 1);
    ok->setDefault(true);
    auto* cancel = NameControl(new QPushButton(QStringLiteral("Cancel"), dialog), 2);
    grid->addWidget(ok, row, 1);
    grid->addWidget(cancel, row, 2);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace jorv
