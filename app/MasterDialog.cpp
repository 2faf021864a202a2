#include "app/MasterDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/ControlName.h"
#include "app/ThumbOnlyBar.h"
#include "shell/MasterDialogLogic.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

constexpr int FirstVolumeBar = 1127;
constexpr int FirstMuteBox = 1144;
constexpr int FirstPanBar = 1160;

QScrollBar* ThumbOnlyBar(QWidget* parent, int id, int position, bool inUse) {
    QScrollBar* bar = NewThumbOnlyBar(Qt::Horizontal, parent, id);
    bar->setMinimumWidth(160);
    if (inUse) {
        bar->setRange(0, 255);
        bar->setValue(position);
    }
    return bar;
}

}  // namespace

MasterDialog::MasterDialog(QWidget* parent, AppContext& context)
    : OkOnlyDialog(parent, QStringLiteral("Master")), context_(context) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Track"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Mute"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Volume"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Pan"), this), 0, 3);
    Project& project = context.project;
    for (int row = 0; row < MaxTracks; ++row) {
        const Track& track = project.block.tracks[row];
        const bool inUse = row < project.usedTracks();
        auto* mute = new QCheckBox(inUse ? QString::fromStdString(FieldToUtf8(track.title)) : QString(), this);
        NameControl(mute, FirstMuteBox + row);
        if (inUse) mute->setChecked(track.mute != 0);
        QScrollBar* volume = ThumbOnlyBar(this, FirstVolumeBar + row, track.volume, inUse);
        QScrollBar* pan = ThumbOnlyBar(this, FirstPanBar + row, track.pan, inUse);
        grid->addWidget(mute, row + 1, 0, 1, 2);
        grid->addWidget(volume, row + 1, 2);
        grid->addWidget(pan, row + 1, 3);
        connect(mute, &QCheckBox::clicked, this, [&project, row] { MasterMuteClicked(project, row); });
        connect(volume, &QScrollBar::sliderMoved, this,
                [&project, row](int v) { MasterThumbMoved(project, row, MasterBar::Volume, v); });
        connect(pan, &QScrollBar::sliderMoved, this,
                [&project, row](int v) { MasterThumbMoved(project, row, MasterBar::Pan, v); });
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    grid->addWidget(ok, MaxTracks + 1, 3, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &MasterDialog::accept);
}

void MasterDialog::accept() {
    AcceptMaster(context_.project, context_.ui);
    QDialog::accept();
}

}  // namespace jorv
