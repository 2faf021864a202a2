#include "app/OptionsDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/ControlName.h"
#include "app/QtText.h"
#include "shell/ProjectCommands.h"

namespace jorv {

namespace {

const char* SystemLabel(const std::string& api) {
    if (api == "jack") return "JACK";
    if (api == "pulse") return "PulseAudio";
    if (api == "alsa") return "ALSA";
    return "Default";
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent, AppContext& context, OptionsDeviceLists lists)
    : QDialog(parent), context_(context), state_(OpenOptionsDialog(context.settings, std::move(lists))) {
    setWindowTitle(QStringLiteral("Options"));
    auto* grid = new QGridLayout(this);
    latency_ = NameControl(new QLineEdit(ToQt(state_.latencyText), this), options::RecordLatency);
    latency_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), latency_));
    buffer_ = listRow(0, "Midi Buffer bytes", options::MidiBuffer);
    for (const std::string& text : MidiBufferTexts()) buffer_->addItem(ToQt(text));
    buffer_->setCurrentIndex(state_.bufferChoice);
    audioMixer_ = pathRow(1, "Audio Mixer", options::AudioMixer, options::ChooseAudioMixer, state_.audioMixer,
                          "Choose Audio Mixer");
    midiSequencer_ = pathRow(2, "Midi Sequencer", options::MidiSequencer, options::ChooseMidiSequencer,
                             state_.midiSequencer, "Choose Midi Sequencer");
    midiInput_ = listRow(3, "Midi Input", options::MidiInput);
    for (const std::string& name : state_.lists.midiInputs) midiInput_->addItem(ToQt(name));
    midiInput_->setPlaceholderText(QStringLiteral("(no MIDI input port)"));
    midiInput_->setCurrentIndex(state_.midiInput);
    grid->addWidget(new QLabel(QStringLiteral("Record Latency"), this), 4, 0);
    grid->addWidget(latency_, 4, 1);
    auto* measure = NameControl(new QPushButton(QStringLiteral("Measure"), this), options::MeasureLatency);
    grid->addWidget(measure, 4, 2);
    connect(measure, &QPushButton::clicked, this, [this] {
        MeasureRecordLatency(context_, state_);
        latency_->setText(ToQt(state_.latencyText));
    });
    midiOutput_ = listRow(5, "Midi Output", options::MidiOutput);
    fillNames(midiOutput_, "Built-in synthesizer", state_.lists.midiOutputs, state_.midiOutput);
    audioSystem_ = listRow(6, "Audio System", options::AudioSystem);
    audioSystem_->addItem(QStringLiteral("Default"), QString());
    for (const std::string& api : state_.lists.audioSystems) audioSystem_->addItem(SystemLabel(api), ToQt(api));
    audioSystem_->setCurrentIndex(std::max(0, audioSystem_->findData(ToQt(state_.audioApi))));
    audioSystem_->setEnabled(!state_.audioApiFixed);  // JORV_AUDIO_API decides
    audioOutput_ = listRow(7, "Audio Output", options::AudioOutput);
    audioInput_ = listRow(8, "Audio Input", options::AudioInput);
    fillAudioDevices();
    connect(audioSystem_, &QComboBox::activated, this, [this] {
        state_.audioApi = audioSystem_->currentData().toString().toStdString();
        GatherAudioDevices(state_.lists, state_.audioApi);
        state_.audioOutput.clear();
        state_.audioInput.clear();
        fillAudioDevices();
    });

    undoLimit_ = NameControl(new QLineEdit(ToQt(state_.undoLimitText), this), options::UndoLimit);
    undoLimit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), undoLimit_));
    grid->addWidget(new QLabel(QStringLiteral("Undo Limit MB"), this), 9, 0);
    grid->addWidget(undoLimit_, 9, 1);
    exportQuality_ = NameControl(new QLineEdit(ToQt(state_.exportQualityText), this), options::ExportQuality);
    exportQuality_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), exportQuality_));
    grid->addWidget(new QLabel(QStringLiteral("Export Quality (0-10)"), this), 10, 0);
    grid->addWidget(exportQuality_, 10, 1);

    auto* ok = NameControl(new QPushButton(QStringLiteral("OK"), this), options::Ok);
    auto* cancel = NameControl(new QPushButton(QStringLiteral("Cancel"), this), options::Cancel);
    ok->setDefault(true);
    grid->addWidget(ok, 11, 1);
    grid->addWidget(cancel, 11, 2);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* OptionsDialog::pathRow(int row, const char* label, int editId, int buttonId, const std::string& value,
                                  const char* title) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* edit = NameControl(new QLineEdit(ToQt(value), this), editId);
    edit->setMinimumWidth(260);
    auto* choose = NameControl(new QPushButton(QStringLiteral("..."), this), buttonId);
    grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(choose, row, 2);
    // On this system programs carry no ".exe": every file may be chosen.
    connect(choose, &QPushButton::clicked, this, [this, edit, title] {
        std::string field = edit->text().toStdString();
        ChooseFileForField(context_.ui, field,
                           {.save = false, .mustExist = true, .filterLabel = "Executable Files", .filterPattern = "*",
                            .title = title, .defaultExtension = {}, .initialFolder = {}, .initialFile = {}});
        edit->setText(ToQt(field));
    });
    return edit;
}

QComboBox* OptionsDialog::listRow(int row, const char* label, int id) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* list = NameControl(new QComboBox(this), id);
    grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

void OptionsDialog::fillNames(QComboBox* list, const char* defaultText, const std::vector<std::string>& names,
                              const std::string& chosen) {
    list->clear();
    list->addItem(QString::fromUtf8(defaultText), QString());
    for (const std::string& name : names) list->addItem(ToQt(name), ToQt(name));
    // A device that is gone stays chosen, so that it is used again once it is back.
    if (!chosen.empty() && list->findData(ToQt(chosen)) < 0) list->addItem(ToQt(chosen), ToQt(chosen));
    list->setCurrentIndex(std::max(0, list->findData(ToQt(chosen))));
}

void OptionsDialog::fillAudioDevices() {
    fillNames(audioOutput_, "Default", state_.lists.audioOutputs, state_.audioOutput);
    fillNames(audioInput_, "Default", state_.lists.audioInputs, state_.audioInput);
}

void OptionsDialog::accept() {
    state_.bufferChoice = buffer_->currentIndex();
    state_.midiInput = midiInput_->currentIndex();
    state_.audioMixer = audioMixer_->text().toStdString();
    state_.midiSequencer = midiSequencer_->text().toStdString();
    state_.latencyText = latency_->text().toStdString();
    state_.undoLimitText = undoLimit_->text().toStdString();
    state_.exportQualityText = exportQuality_->text().toStdString();
    state_.midiOutput = midiOutput_->currentData().toString().toStdString();
    state_.audioOutput = audioOutput_->currentData().toString().toStdString();
    state_.audioInput = audioInput_->currentData().toString().toStdString();
    AcceptOptionsDialog(context_, state_);
    QDialog::accept();
}

}  // namespace jorv
