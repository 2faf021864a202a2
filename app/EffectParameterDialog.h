#pragma once

#include <array>

#include "shell/AppContext.h"
#include "app/OkOnlyDialog.h"

class QLabel;
class QScrollBar;

namespace jorv {

// Three bars for the parameters of one effect, with OK and Cancel. Escape and the close box
// do nothing; Enter is OK. exec() returns EffectDialogOk or EffectDialogCancel.
class EffectParameterDialog : public OkOnlyDialog {
    Q_OBJECT
public:
    EffectParameterDialog(QWidget* parent, AppContext& context);
    // OK, also by Enter: applies (or stores) the parameters and closes with EffectDialogOk.
    void accept() override;

private:
    void scrolled(int bar, int action);
    void showValues();

    AppContext& context_;
    std::array<QScrollBar*, 3> bars_{};
    std::array<QLabel*, 3> values_{};
};

}  // namespace jorv
