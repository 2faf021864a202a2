#include "app/ProjectSettingsDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/ProjectCommands.h"
#include "core/ProjectSettings.h"

namespace jorv {

ProjectSettingsDialog::ProjectSettingsDialog(QWidget* parent, AppContext& context)
    : OkOnlyDialog(parent, QStringLiteral("Project Settings")), context_(context) {
    file_ = new QLineEdit(QString::fromStdString(context.project.projectPath), this);
    file_->setObjectName(QStringLiteral("file"));
    file_->setMinimumWidth(320);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    memory_ = new QComboBox(this);
    memory_->setObjectName(QStringLiteral("memory"));
    for (const int mb : MemoryChoices()) memory_->addItem(QString::number(mb), mb);
    memory_->setCurrentIndex(MemoryChoiceIndex(context.project.block.header.memPerTrackMB).value_or(1));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("File:"), this), 0, 0);
    grid->addWidget(file_, 0, 1, 1, 2);
    grid->addWidget(browse, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Mem per Track:"), this), 1, 0);
    grid->addWidget(memory_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("MB"), this), 1, 2);
    for (int i = 0; i < 3; ++i) {
        info_[i] = new QLabel(this);
        info_[i]->setObjectName(QStringLiteral("info%1").arg(i));
        grid->addWidget(info_[i], 2 + i, 0, 1, 4);
    }
    grid->addWidget(ok, 5, 3);

    connect(memory_, &QComboBox::currentIndexChanged, this, &ProjectSettingsDialog::memoryChosen);
    connect(browse, &QPushButton::clicked, this, &ProjectSettingsDialog::browse);
    connect(ok, &QPushButton::clicked, this, &ProjectSettingsDialog::accept);
    memoryChosen(memory_->currentIndex());
}

void ProjectSettingsDialog::memoryChosen(int index) {
    if (index >= 0) context_.project.block.header.memPerTrackMB = memory_->itemData(index).toInt();
    showMemoryInfo();
}

void ProjectSettingsDialog::showMemoryInfo() {
    const auto lines = MemoryInfoLines(context_.project.block.header.memPerTrackMB, FreeMemoryMB());
    for (int i = 0; i < 3; ++i) info_[i]->setText(QString::fromStdString(lines[i]));
}

void ProjectSettingsDialog::browse() {
    std::string field = file_->text().toStdString();
    const auto loadedMemory = BrowseProjectSettings(context_, field);
    file_->setText(QString::fromStdString(field));
    if (loadedMemory)
        if (const auto index = MemoryChoiceIndex(*loadedMemory)) memory_->setCurrentIndex(*index);
    showMemoryInfo();
}

void ProjectSettingsDialog::accept() {
    const int mb = memory_->currentData().toInt();
    if (AcceptProjectSettingsDialog(context_, mb, file_->text().toStdString())) QDialog::accept();
}

}  // namespace jorv
