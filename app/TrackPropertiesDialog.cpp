#include "app/TrackPropertiesDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "shell/TrackPropertiesDialogLogic.h"
#include "core/Utf16Text.h"

namespace jorv {

TrackPropertiesDialog::TrackPropertiesDialog(QWidget* parent, AppContext& context)
    : OkOnlyDialog(parent, QStringLiteral("Track Properties")), context_(context) {
    const Track& track = context.project.current();
    title_ = new QLineEdit(QString::fromStdString(FieldToUtf8(track.title)), this);
    title_->setObjectName(QStringLiteral("title"));
    auto* file = new QLineEdit(QString::fromStdString(FieldToUtf8(track.waveFile)), this);
    file->setReadOnly(true);
    file->setObjectName(QStringLiteral("file"));
    file->setMinimumWidth(320);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Title:"), title_);
    form->addRow(QStringLiteral("File:"), file);
    form->addRow(ok);
    connect(ok, &QPushButton::clicked, this, &TrackPropertiesDialog::accept);
}

void TrackPropertiesDialog::accept() {
    AcceptTrackProperties(context_.project, title_->text().toStdString(), context_.ui);
    QDialog::accept();
}

}  // namespace jorv
