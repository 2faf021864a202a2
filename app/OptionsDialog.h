#pragma once

#include <QDialog>

#include "shell/AppContext.h"
#include "shell/OptionsDialogLogic.h"

class QComboBox;
class QLineEdit;

namespace jorv {

// "Options": the external tools, the MIDI buffer and input, the record latency, and the audio
// system, devices and MIDI output. OK saves them all; Cancel changes nothing.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(QWidget* parent, AppContext& context, OptionsDeviceLists lists);

private:
    void accept() override;
    QLineEdit* pathRow(int row, const char* label, int editId, int buttonId, const std::string& value, const char* title);
    QComboBox* listRow(int row, const char* label, int id);
    void fillAudioDevices();
    static void fillNames(QComboBox* list, const char* defaultText, const std::vector<std::string>& names,
                          const std::string& chosen);

    AppContext& context_;
    OptionsDialogState state_;
    QComboBox* buffer_;
    QComboBox* midiInput_;
    QComboBox* midiOutput_;
    QComboBox* audioSystem_;
    QComboBox* audioOutput_;
    QComboBox* audioInput_;
    QLineEdit* latency_;
    QLineEdit* undoLimit_;
    QLineEdit* exportQuality_;
    QLineEdit* audioMixer_;
    QLineEdit* midiSequencer_;
};

}  // namespace jorv
