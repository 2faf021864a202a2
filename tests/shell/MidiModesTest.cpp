#include "shell/MidiModes.h"

#include <gtest/gtest.h>

#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "core/Gains.h"
#include "tests/support/FakeMidiInput.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

using Strings = std::vector<std::string>;

// A loaded one-track project of silence, a one-frame clip, and a MIDI input the test plays.
struct Sk1ModeTest : ::testing::Test, ShellFixture {
    Sk1ModeTest() {
        files.addTrack();
        files.writeTrackFile(0, Constant(Frames, 0, 0));
        context.project = std::move(files.project);
        project.clipperPath = files.folder.file("clipper.wav");
        WriteFileBytes(project.clipperPath, CanonicalWave(Constant(1, 10000, 10000)));
        ComputeGains(project);
        std::fill_n(project.trackBuffer.get(), Frames, Frame{0, 0});
        project.projectLoaded = true;
        project.selectionEnd = Frames;
        context.makeMidiInput = [this](const Settings&) {
            auto made = std::make_unique<FakeMidiInput>();
            input = made.get();
            return made;
        };
    }
    static constexpr uint32_t Frames = 1000;
    ProjectFixture files{Frames};
    Project& project = context.project;
    FakeMidiInput* input = nullptr;
};

TEST_F(Sk1ModeTest, YesCapturesWhileTheSelectionPlaysAndTheNextCommandConvertsIt) {
    ui.answers = {Answer::Yes, Answer::Yes};
    RunCommand(context, cmd::Sk1Mode);
    EXPECT_TRUE(context.modes.sk1Armed);
    EXPECT_EQ(wave.calls, Strings{"startPlayback 0 1000"});
    EXPECT_EQ(ui.status, "Recording Midi");
    input->play(0x90 | 60 << 8 | 64 << 16, 10);  // frame 441
    input->play(0x80 | 60 << 8 | 64 << 16, 12);  // a key release: no note

    RunCommand(context, cmd::Stop);
    EXPECT_FALSE(context.modes.sk1Armed);
    EXPECT_EQ(ui.messages.back().text, "Do you want to convert the MIDI to WAV?");
    EXPECT_EQ(ui.messages.back().caption, "SK1 Mode");
    EXPECT_EQ(project.trackBuffer[441].left, (5000 * 254) >> 8);
    EXPECT_EQ(project.trackBuffer[442].left, 0);
    EXPECT_EQ(ui.status, "Converted to .wav");
    EXPECT_FALSE(context.midiCapture.isOpen());
}

TEST_F(Sk1ModeTest, NoKeepsTheTrackAndStillReleasesTheCapture) {
    ui.answers = {Answer::Yes, Answer::No};
    RunCommand(context, cmd::Sk1Mode);
    input->play(0x90 | 60 << 8 | 64 << 16, 0);
    project.trackDirty = false;
    RunCommand(context, cmd::Stop);
    EXPECT_EQ(project.trackBuffer[0].left, 0);
    EXPECT_FALSE(project.trackDirty);
    EXPECT_EQ(input->closes, 1);
    EXPECT_EQ(ui.status, "Converted to .wav");
}

TEST_F(Sk1ModeTest, ArmedWithoutAProjectItStartsNothingAndFinishesAtALaterStop) {
    project.projectLoaded = false;
    ui.answers = {Answer::Yes, Answer::Yes};
    RunCommand(context, cmd::Sk1Mode);
    EXPECT_TRUE(wave.calls.empty());
    EXPECT_EQ(input, nullptr);
    project.projectLoaded = true;
    RunCommand(context, cmd::Play);
    RunCommand(context, cmd::Stop);
    EXPECT_FALSE(context.modes.sk1Armed);
    EXPECT_EQ(ui.status, "Converted to .wav");

    ui.answers = {Answer::No};
    RunCommand(context, cmd::Sk1Mode);
    EXPECT_FALSE(context.modes.sk1Armed);
    EXPECT_EQ(ui.messages.back().caption, "SK1 mode explained");
    EXPECT_EQ(ui.messages.back().text, "SK1 mode will record MIDI data then substitute the notes played with the contents "
                                       "of the clipboard as a digitized middle C.  Continue?");
}

// A speech engine that speaks every word as one frame, or fails on "fail".
struct OneFrameSpeech final : SpeechEngine {
    bool speakWordToFile(std::u16string_view word, const std::string& path) override {
        if (word == u"fail") return false;
        WriteFileBytes(path, CanonicalWave(Constant(1, 4000, 4000)));
        return true;
    }
};

struct TtsModeTest : Sk1ModeTest {
    TtsModeTest() {
        context.startSpeechEngine = [this]() -> std::unique_ptr<SpeechEngine> {
            ++starts;
            return engineStarts ? std::make_unique<OneFrameSpeech>() : nullptr;
        };
    }
    void singNote(std::u16string_view lyrics) {
        AcceptLyrics(context, lyrics);
        input->play(0x90 | 60 << 8 | 127 << 16, 0);
        RunCommand(context, cmd::Stop);
    }
    bool engineStarts = true;
    int starts = 0;
};

TEST_F(TtsModeTest, TheLyricsDialogArmsAndTheStopAsksThenSingsTheWords) {
    RunCommand(context, cmd::TtsMode);
    EXPECT_EQ(window.dialogs, Strings{"lyrics"});
    EXPECT_EQ(context.modes.lyricsText, InitialLyrics);
    ui.answers = {Answer::Yes};
    singNote(u"la");
    EXPECT_FALSE(context.modes.ttsArmed);
    EXPECT_EQ(ui.messages.back().text, "Do you want to convert the MIDI to Speech?");
    EXPECT_EQ(ui.messages.back().caption, "TTS Mode");
    EXPECT_EQ(project.trackBuffer[0].left, (int(4000 * 0.9921875f) * 254) >> 8);
    EXPECT_EQ(ui.status, "Converted TTS");
    EXPECT_FALSE(context.midiCapture.isOpen());
    EXPECT_EQ(context.modes.lyricsText, u"la");
}

TEST_F(TtsModeTest, NoAnEngineThatCannotStartAndAFailedWordEachEndAsDescribed) {
    ui.answers = {Answer::No};
    singNote(u"la");
    EXPECT_EQ(ui.status, "Recording Midi");  // No leaves the status as it was
    EXPECT_EQ(project.trackBuffer[0].left, 0);

    engineStarts = false;
    const std::size_t asked = ui.messages.size();
    singNote(u"la");
    EXPECT_EQ(ui.messages.size(), asked);  // no question without an engine
    EXPECT_EQ(input->closes, 1);

    engineStarts = true;
    ui.answers = {Answer::Yes};
    singNote(u"fail");
    EXPECT_EQ(ui.status, "TTS failed");
    EXPECT_EQ(project.trackBuffer[0].left, 0);

    CancelLyrics(context);
    EXPECT_FALSE(context.modes.ttsArmed);
}

}  // namespace
}  // namespace jorv::test
