#include "app/qt/RipDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt/QtText.h"
#include "app/shell/ProjectCommands.h"
#include "app/shell/Rip.h"

namespace jorv {

namespace {

constexpr int SourceEdit = 1123, ChooseButton = 1124, Ok = 1, Cancel = 2;

QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

}  // namespace

RipDialog::RipDialog(QWidget* parent, AppContext& context) : QDialog(parent), context_(context) {
    setWindowTitle(QStringLiteral("Rip MCI"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Multimedia File"), this), 0, 0, 1, 3);
    source_ = new QLineEdit(ToQt(context.rip.source), this);
    source_->setObjectName(ControlName(SourceEdit));
    source_->setMinimumWidth(320);
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    choose->setObjectName(ControlName(ChooseButton));
    grid->addWidget(source_, 1, 0, 1, 2);
    grid->addWidget(choose, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("To rip a cd track just enter the track number instead of a file."), this),
                    2, 0, 1, 3);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName(Ok));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(ControlName(Cancel));
    grid->addWidget(ok, 3, 1);
    grid->addWidget(cancel, 3, 2);
    // Media files come with any extension: every file may be chosen.
    connect(choose, &QPushButton::clicked, this, [this] {
        std::string field = source_->text().toStdString();
        ChooseFileForField(context_.ui, field,
                           {.save = false, .mustExist = true, .filterLabel = "Multimedia Files", .filterPattern = "*",
                            .title = "Choose Multimedia File", .defaultExtension = {}, .initialFolder = {},
                            .initialFile = {}});
        source_->setText(ToQt(field));
    });
    connect(ok, &QPushButton::clicked, this, &RipDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &RipDialog::reject);
}

void RipDialog::accept() {
    AcceptRipDialog(context_, source_->text().toStdString());
    QDialog::accept();
}

void RipDialog::reject() {
    CancelRipDialog(context_);
    QDialog::reject();
}

}  // namespace jorv
