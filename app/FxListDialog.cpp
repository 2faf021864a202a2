#include "app/FxListDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/ControlName.h"
#include "app/QtText.h"
#include "app/ThumbOnlyBar.h"
#include "shell/FxListActions.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

constexpr int Available = 1024, Chosen = 1023, Add = 1026, Remove = 1027, Up = 1028, Down = 1029;
constexpr int BlendBar = 1180, AppliedLabel = 1031, Load = 3, Save = 4, Audition = 1022, Ok = 1020, Cancel = 1021;

}  // namespace

FxListDialog::FxListDialog(QWidget* parent, AppContext& context) : QDialog(parent), context_(context) {
    setWindowTitle(QStringLiteral("FX List"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Available FX"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Chosen FX"), this), 0, 2);
    available_ = NameControl(new QListWidget(this), Available);
    for (const EffectInfo& effect : EffectCatalogue()) available_->addItem(ToQt(effect.catalogueName));
    chosen_ = NameControl(new QListWidget(this), Chosen);
    grid->addWidget(available_, 1, 0, 4, 1);
    grid->addWidget(chosen_, 1, 2, 4, 1);
    const auto button = [&](int id, const char* text, int row, int column, auto clicked) {
        auto* pushButton = NameControl(new QPushButton(QString::fromUtf8(text), this), id);
        pushButton->setAutoDefault(false);
        grid->addWidget(pushButton, row, column);
        connect(pushButton, &QPushButton::clicked, this, clicked);
        return pushButton;
    };
    button(Add, ">", 1, 1, [this] {
        AddChainEffect(context_, chain_, available_->currentRow());
        showChain();
    });
    button(Remove, "<", 2, 1, [this] {
        RemoveChainItem(chain_, chosenRow());
        showChain();
    });
    button(Up, "^", 3, 1, [this] {
        MoveChainItemUp(chain_, chosenRow());
        showChain();
    });
    button(Down, "v", 4, 1, [this] {
        MoveChainItemDown(chain_, chosenRow());
        showChain();
    });
    connect(chosen_, &QListWidget::itemDoubleClicked, this, [this] {
        EditChainEffect(context_, chain_, chosenRow());
        showChain();
    });
    grid->addWidget(new QLabel(QStringLiteral("Blend:                Original                                 FX"), this),
                    5, 0, 1, 3);
    blend_ = NewThumbOnlyBar(Qt::Horizontal, this, BlendBar);
    blend_->setRange(0, 255);
    blend_->setValue(chain_.blend);
    grid->addWidget(blend_, 6, 0, 1, 3);
    connect(blend_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderMove) chain_.blend = static_cast<uint16_t>(blend_->sliderPosition());
    });
    applied_ = NameControl(new QLabel(QStringLiteral("Effects applied: 0"), this), AppliedLabel);
    grid->addWidget(applied_, 7, 0, 1, 3);
    button(Load, "Load", 8, 0, [this] {
        LoadFxList(context_, chain_);
        blend_->setValue(chain_.blend);
        showChain();
    });
    button(Save, "Save", 8, 1, [this] { SaveFxList(context_, chain_); });
    button(Audition, "Audition", 8, 2, [this] { audition(); });
    button(Ok, "OK", 9, 1, [this] { accept(); })->setDefault(true);
    button(Cancel, "Cancel", 9, 2, [this] { reject(); });
}

int FxListDialog::chosenRow() const { return chosen_->currentRow(); }

void FxListDialog::showChain() {
    chosen_->clear();
    const auto catalogue = EffectCatalogue();
    for (int i = 0; i < chain_.chainCount; ++i)
        chosen_->addItem(ToQt(catalogue[std::size_t(chain_.chainItems[i].effectRow)].catalogueName));
    chosen_->setCurrentRow(-1);
}

void FxListDialog::show(std::string_view text) {
    applied_->setText(ToQt(text));
    applied_->repaint();
}

void FxListDialog::audition() {
    // The dialog waits while the window plays: its controls are off, its window still paints.
    setEnabled(false);
    AuditionFxList(context_, chain_, [this](std::string_view text) { show(text); },
                   [] { QApplication::processEvents(QEventLoop::AllEvents, 10); });
    setEnabled(true);
}

void FxListDialog::accept() {
    ApplyFxList(context_, chain_, [this](std::string_view text) { show(text); });
    QDialog::accept();
}

}  // namespace jorv
