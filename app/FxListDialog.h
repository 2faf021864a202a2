#pragma once

#include <QDialog>

#include "shell/AppContext.h"
#include "effects/EffectChain.h"

class QLabel;
class QListWidget;
class QScrollBar;

namespace jorv {

// "FX List": a chain of up to 16 effects built from the catalogue, blended with the untouched
// audio, auditioned, saved and loaded; OK applies it to the selection, Cancel leaves the track.
class FxListDialog final : public QDialog {
    Q_OBJECT
public:
    FxListDialog(QWidget* parent, AppContext& context);
    const EffectChain& chain() const { return chain_; }

private:
    void accept() override;
    void showChain();
    void show(std::string_view text);
    int chosenRow() const;
    void audition();

    AppContext& context_;
    EffectChain chain_ = NewEffectChain();
    QListWidget* available_;
    QListWidget* chosen_;
    QScrollBar* blend_;
    QLabel* applied_;
};

}  // namespace jorv
