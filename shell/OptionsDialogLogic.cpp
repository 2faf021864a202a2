#include "shell/OptionsDialogLogic.h"

#include <algorithm>

#include "shell/DrumOutput.h"
#include "shell/IniFile.h"
#include "core/Utf16Text.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"

namespace jorv {

namespace {

constexpr std::size_t MaxPathCharacters = 99;
// The latency, the undo limit and the quality are read from their first seven characters.
constexpr std::size_t NumberCharactersRead = 7;

std::string FirstCharacters(const std::string& text, std::size_t count) {
    const std::u16string wide = Utf8ToUtf16(text);
    return wide.size() <= count ? text : Utf16ToUtf8(std::u16string_view(wide).substr(0, count));
}

// The index of the selected entry or the stored one, when the list holds it.
int IndexWithin(int index, std::size_t size) { return index >= 0 && std::size_t(index) < size ? index : -1; }

}  // namespace

std::vector<std::string> MidiBufferTexts() {
    std::vector<std::string> texts;
    for (int entries = 65536; entries < 327680; entries += 65536) texts.push_back(std::to_string(entries));
    return texts;
}

void GatherAudioDevices(OptionsDeviceLists& lists, const std::string& audioApi) {
    lists.audioOutputs = ListAudioDevices(audioApi, false);
    lists.audioInputs = ListAudioDevices(audioApi, true);
}

OptionsDeviceLists GatherDeviceLists(const std::string& audioApi) {
    OptionsDeviceLists lists;
    lists.midiInputs = ListMidiInputs(audioApi);
    lists.midiOutputs = ListMidiOutputs(audioApi);
    lists.audioSystems = ListAudioSystems();
    GatherAudioDevices(lists, audioApi);
    return lists;
}

OptionsDialogState OpenOptionsDialog(const Settings& settings, OptionsDeviceLists lists) {
    OptionsDialogState state;
    state.latencyText = std::to_string(settings.recordLatency);
    state.undoLimitText = std::to_string(settings.undoLimitMB);
    state.exportQualityText = std::to_string(settings.exportQuality);
    state.bufferChoice = IndexWithin(settings.midiBufferChoice, MidiBufferTexts().size());
    state.audioMixer = settings.audioMixerPath;
    state.midiSequencer = settings.midiSequencerPath;
    state.midiInput = IndexWithin(settings.midiInDevice, lists.midiInputs.size());
    state.midiOutput = settings.midiOutDevice;
    state.audioApi = WindowAudioApi(settings.audioApi);
    state.audioApiFixed = state.audioApi != settings.audioApi;
    state.audioOutput = settings.audioOutput;
    state.audioInput = settings.audioInput;
    state.lists = std::move(lists);
    return state;
}

void AcceptOptionsDialog(AppContext& context, const OptionsDialogState& state) {
    Settings& settings = context.settings;
    if (state.bufferChoice >= 0) {
        settings.midiBufferChoice = state.bufferChoice;
        settings.midiBufferEntries = (state.bufferChoice + 1) * 65536;
    }
    if (state.midiInput >= 0) settings.midiInDevice = state.midiInput;
    settings.audioMixerPath = FirstCharacters(state.audioMixer, MaxPathCharacters);
    settings.midiSequencerPath = FirstCharacters(state.midiSequencer, MaxPathCharacters);
    // The field takes digits only, so a number below 0 cannot have been meant.
    if (const auto latency = LeadingNumber(state.latencyText.substr(0, NumberCharactersRead)); latency && *latency >= 0)
        settings.recordLatency = static_cast<int>(*latency);
    // A history needs room for at least one step; what is kept beyond the new limit goes at once.
    if (const auto limit = LeadingNumber(state.undoLimitText.substr(0, NumberCharactersRead)); limit && *limit >= 1)
        settings.undoLimitMB = static_cast<int>(*limit);
    context.workSync.history.setLimit(settings.undoLimitMB * uint64_t{1024 * 1024});
    // A quality beyond the scale is taken as its end.
    if (const auto quality = LeadingNumber(state.exportQualityText.substr(0, NumberCharactersRead)))
        settings.exportQuality = static_cast<int>(std::clamp<long long>(*quality, 0, MaxExportQuality));
    settings.midiOutDevice = state.midiOutput;
    if (!state.audioApiFixed) settings.audioApi = state.audioApi;
    settings.audioOutput = state.audioOutput;
    settings.audioInput = state.audioInput;
    if (WriteSettings(settings, context.paths.settings)) context.ui.setStatus("Options Saved");
    else ShowError(context.ui, SettingsNotSavedMessage);
    OpenDrumOutput(context);
    context.wave.useDevices({WindowAudioApi(settings.audioApi), settings.audioOutput, settings.audioInput}, context.ui);
}

void MeasureRecordLatency(AppContext& context, OptionsDialogState& state) {
    UiServices& ui = context.ui;
    Answer wire = Answer::No;
    if (state.audioApi == "jack") wire = ui.showMessage(WireJackQuestion, MeasureCaption, MessageKind::Question);
    if (wire == Answer::Cancel) return;
    if (wire != Answer::Yes && ui.showMessage(ConnectLoopQuestion, MeasureCaption, MessageKind::Question) != Answer::Yes)
        return;
    ui.setStatus("Measuring latency");
    const LatencyMeasurement measured = context.wave.measureLatency(wire == Answer::Yes, ui);
    if (const std::string_view message = LatencyMessage(measured); !message.empty()) {
        ShowError(ui, message);
        return;
    }
    state.latencyText = std::to_string(measured.latency);
    ui.setStatus("Latency " + std::to_string(measured.frames) + " frames");
}

}  // namespace jorv
