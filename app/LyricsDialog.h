#pragma once

#include <QDialog>

#include "shell/AppContext.h"

class QPlainTextEdit;

namespace jorv {

// "Enter text for Text to Speech conversion": the lyrics, then OK arms TTS mode and starts the
// capture; Cancel disarms it.
class LyricsDialog final : public QDialog {
    Q_OBJECT
public:
    LyricsDialog(QWidget* parent, AppContext& context);

private:
    void accept() override;
    void reject() override;

    AppContext& context_;
    QPlainTextEdit* lyrics_;
};

}  // namespace jorv
