#include "app/RipDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ControlName.h"
#include "app/OkCancelRow.h"
#include "app/QtText.h"
#include "shell/ProjectCommands.h"
#include "shell/Rip.h"

namespace jorv {

namespace {

constexpr int SourceEdit = 1123, ChooseButton = 1124;

}  // namespace

RipDialog::RipDialog(QWidget* parent, AppContext& context) : QDialog(parent), context_(context) {
    setWindowTitle(QStringLiteral("Rip MCI"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Multimedia File"), this), 0, 0, 1, 3);
    source_ = new QLineEdit(ToQt(context.rip.source), this);
    NameControl(source_, SourceEdit);
    source_->setMinimumWidth(320);
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    NameControl(choose, ChooseButton);
    grid->addWidget(source_, 1, 0, 1, 2);
    grid->addWidget(choose, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("To rip a cd track just enter the track number instead of a file."), this),
                    2, 0, 1, 3);
    AddOkCancelRow(this, grid, 3);
    // Media files come with any extension: every file may be chosen.
    connect(choose, &QPushButton::clicked, this, [this] {
        std::string field = source_->text().toStdString();
        ChooseFileForField(context_.ui, field,
                           {.save = false, .mustExist = true, .filterLabel = "Multimedia Files", .filterPattern = "*",
                            .title = "Choose Multimedia File", .defaultExtension = {}, .initialFolder = {},
                            .initialFile = {}});
        source_->setText(ToQt(field));
    });
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
