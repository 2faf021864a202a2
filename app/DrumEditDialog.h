#pragma once

#include <array>

#include "app/OkOnlyDialog.h"
#include "shell/AppContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace jorv {

// "Drum Edit": a pattern's steps for one instrument as 32 bars side by side, its tempo and
// length, the song pattern, the editor's clipboard, files and audition. OK is the only way out;
// a song it started stops when it closes.
class DrumEditDialog final : public OkOnlyDialog {
    Q_OBJECT
public:
    DrumEditDialog(QWidget* parent, AppContext& context);
    ~DrumEditDialog() override;

private:
    void accept() override;
    void buildStepBars();
    void buildButtons();
    template <typename Clicked>
    QPushButton* button(int id, const char* text, int x, int y, Clicked clicked);
    // Runs one of the editor's actions on the drum block, then shows the result.
    template <typename Action>
    void edit(Action action);
    void refresh();
    void load();
    std::u16string songText() const;

    AppContext& context_;
    QComboBox* patterns_;
    QComboBox* instruments_;
    QLineEdit* song_;
    std::array<QScrollBar*, DrumSteps> steps_{};
    QScrollBar* msPerBeat_;
    QLabel* msPerBeatLabel_;
    QScrollBar* length_;
    QPushButton* scope_ = nullptr;
};

}  // namespace jorv
