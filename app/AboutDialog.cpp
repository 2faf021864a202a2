#include "app/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Icons.h"

namespace jorv {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Jorv"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(LoadIcon("jorv").pixmap(32, 32));
    auto* versionLabel = new QLabel(QStringLiteral("Jorv Version 1.1"), this);
    versionLabel->setObjectName(QStringLiteral("version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(iconLabel);
    row->addWidget(versionLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignRight);
    // Wide enough that the window system shows the whole title beside its buttons.
    const int titleRoom = fontMetrics().horizontalAdvance(windowTitle()) + 160;
    setFixedSize(sizeHint().expandedTo(QSize(titleRoom, 0)));
}

}  // namespace jorv
