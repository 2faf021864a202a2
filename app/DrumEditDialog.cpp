#include "app/DrumEditDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/ControlName.h"
#include "app/QtScrollCode.h"
#include "app/QtText.h"
#include "app/ThumbOnlyBar.h"
#include "shell/DrumEditActions.h"
#include "core/Utf16Text.h"
#include "instruments/DrumInstruments.h"

namespace jorv {

namespace {

namespace id = drumedit;

// Where the controls sit, in pixels.
constexpr int StepLeft = 10, StepTop = 62, StepPitch = 12, StepHeight = 120;
constexpr int ButtonLeft = 408, ButtonWidth = 88, ButtonHeight = 24;

template <typename Widget>
Widget* Place(Widget* widget, int controlId, int x, int y, int w, int h) {
    if (controlId) NameControl(widget, controlId);
    widget->setGeometry(x, y, w, h);
    return widget;
}

void SetQuietly(QScrollBar* bar, int value) {
    const QSignalBlocker blocker(bar);
    bar->setValue(value);
}

}  // namespace

DrumEditDialog::DrumEditDialog(QWidget* parent, AppContext& context)
    : OkOnlyDialog(parent, QStringLiteral("Drum Edit")), context_(context) {
    setFixedSize(ButtonLeft + 2 * ButtonWidth + 16, 250);
    Place(new QLabel(QStringLiteral("Pattern"), this), 0, 10, 8, 60, 20);
    patterns_ = Place(new QComboBox(this), id::PatternCombo, 10, 28, 60, 24);
    for (int p = 0; p < DrumPatternCount; ++p) patterns_->addItem(QString::number(p));
    Place(new QLabel(QStringLiteral("Instrument"), this), 0, 80, 8, 150, 20);
    instruments_ = Place(new QComboBox(this), id::InstrumentCombo, 80, 28, 170, 24);
    for (const DrumInstrument& instrument : DrumInstruments()) instruments_->addItem(ToQt(instrument.name));
    patterns_->setCurrentIndex(-1);
    instruments_->setCurrentIndex(-1);
    Place(new QLabel(QStringLiteral("Song Pattern"), this), 0, 260, 8, 140, 20);
    song_ = Place(new QLineEdit(this), id::SongPattern, 260, 28, 140, 24);
    const DrumBlock& drums = context.project.block.drumBlock;
    song_->insert(QString::fromStdU16String(std::u16string(FieldText(drums.songPattern, std::size(drums.songPattern)))));
    connect(patterns_, &QComboBox::activated, this, [this](int index) {
        context_.drumEditor.currentPattern = index;
        refresh();
    });
    connect(instruments_, &QComboBox::activated, this, [this](int index) {
        context_.drumEditor.currentInstrument = index;
        refresh();
    });
    buildStepBars();
    buildButtons();
    refresh();
}

DrumEditDialog::~DrumEditDialog() { DrumEditClosed(context_); }

void DrumEditDialog::buildStepBars() {
    DrumBlock& drums = context_.project.block.drumBlock;
    for (int s = 0; s < DrumSteps; ++s) {
        QScrollBar* bar = NewThumbOnlyBar(Qt::Vertical, this, id::FirstStepBar + s);
        bar->setRange(0, id::MaxVelocity);
        Place(bar, 0, StepLeft + s * StepPitch, StepTop, StepPitch - 1, StepHeight);
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar, s, &drums](int action) {
            ScrollStepBar(context_.drumEditor, drums, s, ToScrollCode(action), bar->sliderPosition());
        });
        steps_[s] = bar;
        // Every fourth step is marked above and below, so that beats are easy to count.
        if (s % 4 == 0) {
            Place(new QLabel(QStringLiteral("v"), this), 0, StepLeft + s * StepPitch + 2, StepTop - 14, 10, 14);
            Place(new QLabel(QStringLiteral("^"), this), 0, StepLeft + s * StepPitch + 2, StepTop + StepHeight, 10, 14);
        }
    }
    const int belowSteps = StepTop + StepHeight + 20;
    msPerBeatLabel_ = Place(new QLabel(QStringLiteral("ms per beat"), this), id::MsPerBeatLabel, 10, belowSteps, 120, 22);
    msPerBeat_ = Place(NewThumbOnlyBar(Qt::Horizontal, this, id::MsPerBeatBar), 0, 130, belowSteps, 260, 20);
    msPerBeat_->setRange(1, id::MaxMsPerBeat);
    msPerBeat_->setValue(100);
    length_ = Place(NewThumbOnlyBar(Qt::Horizontal, this, id::LengthBar), 0, 130, belowSteps + 24, 260, 20);
    length_->setRange(1, DrumSteps);
    length_->setValue(DrumSteps);
    length_->setToolTip(QStringLiteral("Pattern length in steps"));
    connect(msPerBeat_, &QScrollBar::actionTriggered, this, [this, &drums](int action) {
        const int value = msPerBeat_->sliderPosition();
        if (ScrollMsPerBeat(context_.drumEditor, drums, ToScrollCode(action), value))
            msPerBeatLabel_->setText(ToQt(MsPerBeatLabel(value)));
    });
    connect(length_, &QScrollBar::actionTriggered, this, [this, &drums](int action) {
        ScrollPatternLength(context_.drumEditor, drums, ToScrollCode(action), length_->sliderPosition());
    });
}

template <typename Clicked>
QPushButton* DrumEditDialog::button(int controlId, const char* text, int x, int y, Clicked clicked) {
    auto* pushButton = Place(new QPushButton(QString::fromUtf8(text), this), controlId, x, y, ButtonWidth, ButtonHeight);
    pushButton->setAutoDefault(false);
    connect(pushButton, &QPushButton::clicked, this, clicked);
    return pushButton;
}

void DrumEditDialog::buildButtons() {
    DrumEditorState& state = context_.drumEditor;
    DrumBlock& drums = context_.project.block.drumBlock;
    const int right = ButtonLeft + ButtonWidth + 6;
    scope_ = button(id::ScopeButton, DrumEditScopeCaption(state.editScope), ButtonLeft, 62,
                    [this] { scope_->setText(ToQt(ToggleDrumEditScope(context_.drumEditor))); });
    button(id::Cut, "Cut", ButtonLeft, 90, [this, &state, &drums] { edit([&] { CutDrums(state, drums); }); });
    button(id::Copy, "Copy", ButtonLeft, 118, [&state, &drums] { CopyDrums(state, drums); });
    button(id::Paste, "Paste", ButtonLeft, 146, [this, &state, &drums] { edit([&] { PasteDrums(state, drums); }); });
    button(id::Load, "Load", right, 62, [this] { load(); });
    button(id::Save, "Save", right, 90, [this] { SaveDrumEditPatterns(context_); });
    button(id::ClearAll, "Clear All", right, 118, [this, &drums] { edit([&] { ClearAllDrums(drums); }); });
    button(id::Audition, "Audition", right, 146, [this] { AuditionDrums(context_, songText()); });
    button(id::StopAudition, "Stop Audition", right, 174, [this] { StopAuditionDrums(context_); });
    button(id::Ok, "OK", right, 206, [this] { accept(); })->setDefault(true);
}

template <typename Action>
void DrumEditDialog::edit(Action action) {
    action();
    refresh();
}

void DrumEditDialog::refresh() {
    const DrumEditorView view = RefreshDrumEditor(context_.drumEditor, context_.project.block.drumBlock);
    if (view.velocities)
        for (int s = 0; s < DrumSteps; ++s) SetQuietly(steps_[s], (*view.velocities)[s]);
    if (view.msPerBeat) SetQuietly(msPerBeat_, *view.msPerBeat);
    if (view.length) SetQuietly(length_, *view.length);
}

void DrumEditDialog::load() {
    if (const auto loaded = LoadDrumEditPatterns(context_)) song_->insert(QString::fromStdU16String(*loaded));
    refresh();
}

std::u16string DrumEditDialog::songText() const { return song_->text().toStdU16String(); }

void DrumEditDialog::accept() {
    AcceptDrumEditDialog(context_, songText());
    QDialog::accept();
}

}  // namespace jorv
