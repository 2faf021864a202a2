#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "shell/AppPaths.h"
#include "shell/DrumOutput.h"
#include "shell/Launcher.h"
#include "shell/Settings.h"
#include "shell/ShellWindow.h"
#include "shell/ViewState.h"
#include "shell/WorkingCopySync.h"
#include "core/MinMaxSummary.h"
#include "core/Project.h"
#include "core/UiServices.h"
#include "devices/WaveTransport.h"
#include "shell/EffectDialogState.h"
#include "shell/RecordFileDialogs.h"
#include "devices/MediaPlayer.h"
#include "devices/MidiCapture.h"
#include "effects/EffectRandom.h"
#include "instruments/DrumEditor.h"
#include "instruments/DrumPlayer.h"
#include "instruments/SpeechEngine.h"
#include "instruments/TtsRendering.h"

namespace jorv {

// All run-time state of one program run, created once by the window (or a test), with the
// subsystems that StopAll asks to stop.
struct AppContext {
    AppContext(UiServices& uiServices, WaveTransport& waveTransport, ShellWindow& shellWindow)
        : ui(uiServices), wave(waveTransport), window(shellWindow) {}

    Project project;
    WorkingCopySync workSync;
    // The current track's left channel in blocks, for the waveform view; kept by SyncWorkingCopy.
    MinMaxSummary waveSummary;
    ProgramPaths paths;
    Settings settings;
    ViewState view;
    // The take being recorded, for placing its dropout marks when it stops.
    std::optional<Take> runningTake;
    EffectDialogState effectDialog;
    // One stream for the whole run, as a program that never seeds its generator has.
    EffectRandom effectRandom;
    RememberedFolders effectListFolders;
    DrumEditorState drumEditor;
    RememberedFolders drumPatternFolders;
    // The player goes before its output and timer do.
    DrumOutput drumOutput;
    DrumPlayer drums;
    // The MIDI modes: which one is armed, the input it captures from and the capture, which
    // goes before its input.
    struct {
        bool sk1Armed = false;
        bool ttsArmed = false;
        std::u16string lyricsText{InitialLyrics};  // offered again next time
    } modes;
    // Makes the input for a capture; empty: the port the settings name (tests put a double here).
    std::function<std::unique_ptr<MidiInput>(const Settings&)> makeMidiInput;
    std::unique_ptr<MidiInput> midiInput;
    // Starts the speech engine for a conversion; empty: espeak-ng (tests put a double here).
    std::function<std::unique_ptr<SpeechEngine>()> startSpeechEngine;
    MidiCapture midiCapture;
    // The rip: its source and command strings, whether the next Record starts the player, and
    // the player, started on first use (tests put a double in startPlayer).
    struct {
        std::string source;
        std::string playCommand;
        std::string stopCommand;
        bool armed = false;
        std::function<std::unique_ptr<MediaPlayer>()> startPlayer;
        std::unique_ptr<MediaPlayer> player;
    } rip;
    // Opens the external tools and the help document; the window sets it.
    std::unique_ptr<Launcher> launcher;
    // The project file the command line named, opened once the window is up.
    std::string startupProject;
    // A file dropped on the window, for the DropFile command, and the frame it was dropped on.
    struct {
        std::string path;
        uint32_t frame = 0;
    } drop;

    UiServices& ui;
    WaveTransport& wave;
    ShellWindow& window;
};

}  // namespace jorv
