#include "app/LyricsDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/ControlName.h"
#include "app/OkCancelRow.h"
#include "shell/MidiModes.h"

namespace jorv {

namespace {

constexpr int LyricsEdit = 1126;

}  // namespace

LyricsDialog::LyricsDialog(QWidget* parent, AppContext& context) : QDialog(parent), context_(context) {
    setWindowTitle(QStringLiteral("Enter text for Text to Speech conversion"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Text for Conversion"), this), 0, 0, 1, 3);
    lyrics_ = new QPlainTextEdit(QString::fromStdU16String(context.modes.lyricsText), this);
    NameControl(lyrics_, LyricsEdit);
    lyrics_->setMinimumSize(420, 90);
    grid->addWidget(lyrics_, 1, 0, 1, 3);
    auto* note = new QLabel(QStringLiteral("Enter lyrics and accept this dialog box to begin recording MIDI for "
                                           "conversion to TTS 'singing'."),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 3);
    AddOkCancelRow(this, grid, 3);
}

void LyricsDialog::accept() {
    // One line of lyrics: a line break is a space between words.
    AcceptLyrics(context_, lyrics_->toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdU16String());
    QDialog::accept();
}

void LyricsDialog::reject() {
    CancelLyrics(context_);
    QDialog::reject();
}

}  // namespace jorv
