#include "shell/MidiModes.h"

#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"
#include "instruments/CapturedNotes.h"
#include "instruments/EspeakSpeechEngine.h"

namespace jorv {

namespace {

void FinishSk1(AppContext& context) {
    Project& project = context.project;
    context.modes.sk1Armed = false;
    context.midiCapture.stop();
    if (context.ui.showMessage(Sk1ConvertQuestion, "SK1 Mode", MessageKind::Question) == Answer::Yes) {
        context.ui.setStatus("Creating SK1 effect");
        context.workSync.nextStepName = "SK1 Mode";
        FlushTrack(project, context.ui);
        RenderSk1(project, context.midiCapture.entries(), TrackFileToRead(project, project.current()), context.ui);
    }
    context.midiCapture.close();
    context.ui.setStatus("Converted to .wav");
}

std::unique_ptr<SpeechEngine> StartSpeechEngine(AppContext& context) {
    if (context.startSpeechEngine) return context.startSpeechEngine();
    return EspeakSpeechEngine::start();
}

// An engine that cannot start skips the conversion without a question.
void FinishTts(AppContext& context) {
    Project& project = context.project;
    context.modes.ttsArmed = false;
    context.midiCapture.stop();
    const auto engine = StartSpeechEngine(context);
    if (engine && context.ui.showMessage(TtsConvertQuestion, "TTS Mode", MessageKind::Question) == Answer::Yes) {
        context.ui.setStatus("Creating TTS effect");
        context.workSync.nextStepName = "TTS Mode";
        FlushTrack(project, context.ui);
        const TtsOutcome outcome = RenderTts(project, context.midiCapture.entries(), context.modes.lyricsText, *engine,
                                             TrackFileToRead(project, project.current()), context.ui);
        context.ui.setStatus(outcome.converted ? "Converted TTS" : "TTS failed");
    }
    context.midiCapture.close();
}

}  // namespace

std::unique_ptr<MidiInput> OpenSettingsMidiInput(const Settings& settings) {
    return MakeMidiInputPort(settings.midiInDevice, WindowAudioApi(settings.audioApi));
}

void StartSk1Mode(AppContext& context) {
    if (context.ui.showMessage(Sk1ExplainedQuestion, "SK1 mode explained", MessageKind::Question) != Answer::Yes) return;
    context.modes.sk1Armed = true;
    StartMidiCapture(context);
}

void StartMidiCapture(AppContext& context) {
    Project& project = context.project;
    if (!project.projectLoaded || project.busy) return;
    context.midiInput = context.makeMidiInput ? context.makeMidiInput(context.settings)
                                              : OpenSettingsMidiInput(context.settings);
    context.midiCapture.open(static_cast<uint32_t>(context.settings.midiBufferEntries), *context.midiInput);
    context.wave.startPlayback(project, project.selectionStart, project.selectionEnd, context.ui);
    context.midiCapture.start();
    context.ui.setStatus("Recording Midi");
}

void AcceptLyrics(AppContext& context, std::u16string_view lyrics) {
    context.modes.lyricsText = std::u16string(lyrics.substr(0, std::min(lyrics.size(), MaxLyrics)));
    context.modes.ttsArmed = true;
    StartMidiCapture(context);
}

void CancelLyrics(AppContext& context) { context.modes.ttsArmed = false; }

bool FinishArmedMode(AppContext& context) {
    if (context.modes.sk1Armed) FinishSk1(context);
    else if (context.modes.ttsArmed) FinishTts(context);
    else return false;
    return true;
}

}  // namespace jorv
