#include "app/SelectRangeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "shell/AppContext.h"
#include "shell/SelectRange.h"
#include "shell/TimeRuler.h"

namespace jorv {

SelectRangeDialog::SelectRangeDialog(QWidget* parent, AppContext& context)
    : QDialog(parent),
      context_(context),
      start_(new QLineEdit(ToQt(FormatTime(context.project.selectionStart)), this)),
      end_(new QLineEdit(ToQt(FormatTime(context.project.selectionEnd)), this)) {
    setWindowTitle(ToQt(SelectRangeCaption));
    start_->setObjectName(QStringLiteral("rangeStart"));
    end_->setObjectName(QStringLiteral("rangeEnd"));
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Start:"), start_);
    fields->addRow(tr("&End:"), end_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(tr("As m:ss.mmm, as seconds (12.5) or as a number of frames (44100 a second)."), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectRangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SelectRangeDialog::reject);
    layout->addWidget(buttons);
    start_->selectAll();
}

void SelectRangeDialog::accept() {
    if (ApplySelectRange(context_, start_->text().toStdString(), end_->text().toStdString())) QDialog::accept();
}

}  // namespace jorv
