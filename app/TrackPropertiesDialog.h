#pragma once

#include "shell/AppContext.h"
#include "app/OkOnlyDialog.h"

class QLineEdit;

namespace jorv {

// "Track Properties": the current track's title and its file.
class TrackPropertiesDialog final : public OkOnlyDialog {
    Q_OBJECT
public:
    TrackPropertiesDialog(QWidget* parent, AppContext& context);

private:
    void accept() override;
    AppContext& context_;
    QLineEdit* title_;
};

}  // namespace jorv
