#include "shell/OptionsDialogLogic.h"

#include <gtest/gtest.h>

#include "shell/IniFile.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

struct OptionsTest : ::testing::Test, ShellFixture {
    OptionsTest() {
        context.paths.settings = folder.file("jorv.ini");
        context.drumOutput.open = [](const Settings&) { return std::make_unique<SilentMidiOutput>(); };
    }
    OptionsDialogState open(OptionsDeviceLists lists = {}) { return OpenOptionsDialog(context.settings, std::move(lists)); }
    TempFolder folder;
};

TEST_F(OptionsTest, AFirstRunShowsTheDefaultsAndOkWritesEveryKey) {
    ReadSettings(context.settings, context.paths.settings);
    const OptionsDialogState state = open();
    EXPECT_EQ(state.audioMixer, "SNDVOL32.EXE");
    EXPECT_EQ(state.midiSequencer, "");
    EXPECT_EQ(state.bufferChoice, 0);
    EXPECT_EQ(state.latencyText, "0");
    EXPECT_EQ(state.midiInput, -1);  // no MIDI input port: nothing selected
    EXPECT_EQ(MidiBufferTexts(), (std::vector<std::string>{"65536", "131072", "196608", "262144"}));

    AcceptOptionsDialog(context, state);
    EXPECT_EQ(ui.status, "Options Saved");
    EXPECT_EQ(ReadFileText(context.paths.settings),
              "[Jorv]\r\nAudioMixer=SNDVOL32.EXE\r\nMIDISequencer=\r\nMidiInDev=0\r\nMidiBufSel=0\r\nLatency=0\r\n"
              "MidiOutDev=\r\nAudioApi=\r\nAudioOutDev=\r\nAudioInDev=\r\nUndoLimitMB=1024\r\nExportQuality=6\r\n");
}

TEST_F(OptionsTest, TheBufferChoiceTakesEffectOnOkWhereTheDrumsReopenAtItsSize) {
    WriteFileText(context.paths.settings, "; mine\n[Other]\nx=1\n[Jorv]\nMidiBufSel=3\nMidiInDev=5\n");
    ReadSettings(context.settings, context.paths.settings);
    OptionsDialogState state = open({.midiInputs = {"a", "b"}});
    EXPECT_EQ(state.bufferChoice, 3);
    EXPECT_EQ(state.midiInput, -1);  // device 5 is not there
    EXPECT_EQ(context.settings.midiBufferEntries, 65536);

    state.midiInput = 1;
    state.latencyText = "12345678";  // seven characters are read
    state.audioMixer = std::string(120, 'm');
    state.audioApi = "alsa";
    state.audioOutput = "hw:1";
    state.undoLimitText = "64";
    state.exportQualityText = "12";
    AcceptOptionsDialog(context, state);
    EXPECT_EQ(context.settings.exportQuality, 10);
    EXPECT_EQ(ReadIniValue(context.paths.settings, "Jorv", "ExportQuality"), "10");
    EXPECT_EQ(context.settings.midiBufferEntries, 262144);
    EXPECT_EQ(ReadIniValue(context.paths.settings, "Jorv", "UndoLimitMB"), "64");
    EXPECT_EQ(context.drums.events().capacity(), 262144u);
    EXPECT_EQ(context.settings.midiInDevice, 1);
    EXPECT_EQ(context.settings.recordLatency, 1234567);
    EXPECT_EQ(context.settings.audioMixerPath.size(), 99u);
    EXPECT_EQ(wave.calls, std::vector<std::string>{"useDevices alsa/hw:1/"});
    EXPECT_EQ(ReadIniValue(context.paths.settings, "Other", "x"), "1");
    EXPECT_EQ(ReadFileText(context.paths.settings).rfind("; mine", 0), 0u);

    state.latencyText = "ms";
    state.undoLimitText = "0";  // a history needs room for one step: the limit stays
    AcceptOptionsDialog(context, state);
    EXPECT_EQ(context.settings.undoLimitMB, 64);
    EXPECT_EQ(context.settings.recordLatency, 1234567);
}

TEST_F(OptionsTest, ASettingsFileThatCannotBeWrittenIsSaidInsteadOfSaved) {
    context.paths.settings = folder.file("no-such-folder/jorv.ini");
    AcceptOptionsDialog(context, open());
    EXPECT_EQ(ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Could not save the settings file jorv.ini."});
    EXPECT_EQ(ui.status, "Uninitialized");
}

// Measure asks how the loop is made, wires it on JACK when the user agrees, and fills the field
// with the round trip in sample values; a failed measurement is said and leaves the field alone.
TEST_F(OptionsTest, MeasureFillsRecordLatencyOrSaysWhyNot) {
    OptionsDialogState state = open();
    state.latencyText = "7";
    wave.measurement = {LatencyMeasurement::Outcome::Measured, 600, 300};
    state.audioApi = "jack";
    ui.answers = {Answer::Yes};
    MeasureRecordLatency(context, state);
    EXPECT_EQ(wave.calls.back(), "measureLatency wired");
    EXPECT_EQ(state.latencyText, "600");
    EXPECT_EQ(ui.status, "Latency 300 frames");

    state.audioApi = "alsa";
    ui.answers = {Answer::No};  // not connected yet
    MeasureRecordLatency(context, state);
    EXPECT_EQ(wave.calls.size(), 1u);
    EXPECT_EQ(ui.messages.back().text, ConnectLoopQuestion);

    wave.measurement = {LatencyMeasurement::Outcome::NoSignal, 0, 0};
    ui.answers = {Answer::Yes};
    MeasureRecordLatency(context, state);
    EXPECT_EQ(wave.calls.back(), "measureLatency");
    EXPECT_EQ(ui.messages.back().text, "No signal came back");
    EXPECT_EQ(state.latencyText, "600");
}

}  // namespace
}  // namespace jorv::test
