#include "app/EffectParameterDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/ControlName.h"
#include "app/QtScrollCode.h"
#include "app/QtText.h"

namespace jorv {

namespace {

// Dialog units of the dialog's 8-point font: four per average character width, eight per
// character height (6 and 13 pixels).
QRect Units(int x, int y, int width, int height) {
    const auto ux = [](int v) { return v * 6 / 4; };
    const auto uy = [](int v) { return v * 13 / 8; };
    return {ux(x), uy(y), ux(width), uy(height)};
}

constexpr int BarIds[3] = {1011, 1012, 1013};
constexpr int LabelIds[3] = {1014, 1017, 1018};
constexpr int ValueIds[3] = {1019, 1020, 1021};
constexpr int BarY[3] = {21, 44, 68};
constexpr int LabelY[3] = {7, 32, 56};
constexpr int ValueY[3] = {21, 45, 68};
// The values speak in units ("-42.1 dBFS", "+7.0 semitones"), which takes more room than the
// template's 19 units for a number: the dialog is as much wider, with OK and Cancel kept at
// its right edge.
constexpr int ValueWidth = 70;
constexpr int Widening = ValueWidth - 19;

}  // namespace

EffectParameterDialog::EffectParameterDialog(QWidget* parent, AppContext& context)
    : OkOnlyDialog(parent, QStringLiteral("Dialog")), context_(context) {
    setFixedSize(Units(0, 0, 186 + Widening, 106).size());
    EffectDialogState& state = context.effectDialog;
    const EffectInfo* effect = OpenEffectDialog(state);
    if (effect) setWindowTitle(ToQt(effect->caption));
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(effect ? ToQt(effect->labels[i]) : QStringLiteral("Static"), this);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(Units(7, LabelY[i], 151, 13));
        NameControl(label, LabelIds[i]);
        bars_[i] = new QScrollBar(Qt::Horizontal, this);
        bars_[i]->setGeometry(Units(7, BarY[i], 152, 12));
        NameControl(bars_[i], BarIds[i]);
        bars_[i]->setRange(EffectParameterMin, EffectParameterMax);
        bars_[i]->setPageStep(1);
        bars_[i]->setValue(state.effectParams[i]);
        bars_[i]->setEnabled(EffectBarEnabled(state, i));
        connect(bars_[i], &QScrollBar::actionTriggered, this, [this, i](int action) { scrolled(i, action); });
        values_[i] = new QLabel(QStringLiteral("0"), this);
        values_[i]->setGeometry(Units(160, ValueY[i], ValueWidth, 12));
        NameControl(values_[i], ValueIds[i]);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(Units(72 + Widening, 85, 50, 14));
    NameControl(ok, EffectDialogOk);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(Units(129 + Widening, 85, 50, 14));
    NameControl(cancel, EffectDialogCancel);
    connect(ok, &QPushButton::clicked, this, &EffectParameterDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { done(EffectDialogCancel); });
    showValues();
}

// The bar moves only as the logic says: Qt's own move is taken back before it applies.
void EffectParameterDialog::scrolled(int bar, int action) {
    QScrollBar* scrollBar = bars_[bar];
    const int thumb = scrollBar->sliderPosition();
    scrollBar->setSliderPosition(scrollBar->value());
    ScrollEffectParameter(context_.effectDialog, bar, ToScrollCode(action), thumb);
    scrollBar->setSliderPosition(context_.effectDialog.effectParams[bar]);
    showValues();
}

void EffectParameterDialog::showValues() {
    for (int i = 0; i < 3; ++i) values_[i]->setText(ToQt(EffectValueText(context_.effectDialog, i)));
}

void EffectParameterDialog::accept() {
    AcceptEffectDialog(context_.effectDialog, context_.project, context_.effectRandom, context_.ui);
    done(EffectDialogOk);
}

}  // namespace jorv
