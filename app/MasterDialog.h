#pragma once

#include "shell/AppContext.h"
#include "app/OkOnlyDialog.h"

namespace jorv {

// "Master": volume, pan and mute of all 16 tracks, stored at once; OK makes the mix follow.
class MasterDialog final : public OkOnlyDialog {
    Q_OBJECT
public:
    MasterDialog(QWidget* parent, AppContext& context);

private:
    void accept() override;
    AppContext& context_;
};

}  // namespace jorv
