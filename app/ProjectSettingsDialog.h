#pragma once

#include <array>

#include "shell/AppContext.h"
#include "app/OkOnlyDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace jorv {

// "Project Settings": the project file, the memory per track and what that memory means.
class ProjectSettingsDialog final : public OkOnlyDialog {
    Q_OBJECT
public:
    ProjectSettingsDialog(QWidget* parent, AppContext& context);

private:
    void memoryChosen(int index);
    void browse();
    void accept() override;
    void showMemoryInfo();

    AppContext& context_;
    QLineEdit* file_;
    QComboBox* memory_;
    std::array<QLabel*, 3> info_{};
};

}  // namespace jorv
