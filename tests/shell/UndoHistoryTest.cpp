#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "shell/EffectDialogState.h"
#include "shell/MidiModes.h"
#include "shell/ProjectCommands.h"
#include "effects/EffectCatalogue.h"
#include "tests/support/FakeMidiInput.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ShellSession.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr uint32_t Watched = 4000;  // every edit stays within these frames of a track

// A saved project of two tracks of different ramps, open in a session whose effect dialog
// applies what it is given.
class UndoHistoryTest : public ::testing::Test {
protected:
    UndoHistoryTest() {
        MakeSavedProject(folder.path(), project, 2);
        WriteFileBytes(folder.file("demo-Track 1.wav"), CanonicalWave(Ramp(Watched, 3)));
        WriteFileBytes(folder.file("demo-Track 2.wav"), CanonicalWave(Ramp(Watched, -5)));
        s.window.effectDialog = [this] {
            OpenEffectDialog(s.context.effectDialog);
            AcceptEffectDialog(s.context.effectDialog, s.context.project, s.context.effectRandom, s.ui);
            return EffectDialogOk;
        };
        s.open(project);
    }
    void select(uint32_t start, uint32_t end) {
        s.context.project.selectionStart = start;
        s.context.project.selectionEnd = end;
    }
    std::vector<Frame> watched() const {
        return {s.context.project.trackBuffer.get(), s.context.project.trackBuffer.get() + Watched};
    }

    TempFolder folder;
    const std::string project = folder.file("demo.jor");
    Session s{folder.path()};
};

// What the view's summary would be if it were built from the track now.
MinMaxSummary SummaryOfTheTrack(const Project& project) {
    MinMaxSummary fresh;
    fresh.build(project.trackBuffer.get(), project.framesPerTrack);
    return fresh;
}

// Each track's states as a list and where the track stands in it.
struct ModelTrack {
    std::vector<std::vector<Frame>> states;
    std::size_t at = 0;
};

TEST_F(UndoHistoryTest, LongRandomRunsOfEditsUndosRedosSwitchesAndSavesFollowAPlainModel) {
    std::mt19937 random(2026);
    ModelTrack model[2];
    for (int t : {1, 0}) {
        s.selectTrack(t);
        model[t].states = {watched()};
    }
    int current = 0;
    for (int step = 0; step < 200; ++step) {
        const int what = int(random() % 10);
        ModelTrack& track = model[current];
        if (what < 5) {
            const uint32_t start = random() % (Watched - 100), end = start + 1 + random() % 99;
            select(start, end);
            const int command = std::array{cmd::Cut, cmd::Paste, fx::Reverse, fx::Negate, cmd::PasteMerge}[random() % 5];
            s.command(command);
            if (watched() != track.states[track.at]) {  // a change that changes nothing is no step
                track.states.resize(++track.at);
                track.states.push_back(watched());
            }
        } else if (what < 7) {
            s.command(cmd::Undo);
            if (track.at > 0) --track.at;
        } else if (what < 9) {
            s.command(cmd::Redo);
            if (track.at + 1 < track.states.size()) ++track.at;
        } else if (random() % 2) {
            current = 1 - current;
            s.selectTrack(current);
        } else {
            s.command(cmd::Save);
        }
        ASSERT_EQ(watched(), model[current].states[model[current].at]) << "step " << step << " did " << what;
        ASSERT_EQ(s.context.waveSummary, SummaryOfTheTrack(s.context.project)) << "step " << step << " did " << what;
        EXPECT_EQ(s.ui.enabled(cmd::Undo), model[current].at > 0) << step;
        EXPECT_EQ(s.ui.enabled(cmd::Redo), model[current].at + 1 < model[current].states.size()) << step;
    }
}

// Without a working folder there is no copy of the track to compare with: every command leaves
// a summary of the track as it then is.
TEST(WaveSummary, FollowsEachCommandWithoutAWorkingFolder) {
    OneTrackShell shell(70000);
    shell.project.projectLoaded = true;
    std::fill_n(shell.project.trackBuffer.get(), 70000, Frame{9000, 0});
    shell.project.selectionStart = 100;
    shell.project.selectionEnd = 40000;
    RunCommand(shell.context, cmd::Cut);
    EXPECT_EQ(shell.context.waveSummary, SummaryOfTheTrack(shell.project));
    EXPECT_EQ(shell.context.waveSummary.range(shell.project.trackBuffer.get(), 0, 70000), (SampleRange{0, 9000}));
}

TEST_F(UndoHistoryTest, TheStatusSaysWhatWasUndoneAndANewEditDropsWhatCouldBeRedone) {
    select(10, 20);
    s.command(fx::Reverse);
    s.command(cmd::Cut);
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo Cut");
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo Reverse");
    s.command(cmd::Redo);
    EXPECT_EQ(s.ui.status, "Redo Reverse");
    select(30, 40);
    s.command(cmd::Cut);
    EXPECT_FALSE(s.ui.enabled(cmd::Redo));
    EXPECT_EQ(s.context.workSync.history.bytesKept(), 2 * 10 * sizeof(Frame));  // two steps of ten frames
}

// Speaks every word as one loud frame.
struct OneFrameSpeech final : SpeechEngine {
    bool speakWordToFile(std::u16string_view, const std::string& path) override {
        WriteFileBytes(path, CanonicalWave(Constant(1, 4000, 4000)));
        return true;
    }
};

// A MIDI performance turned into audio is one step, named after the mode that made it.
TEST_F(UndoHistoryTest, AConversionOfMidiIsOneStepNamedAfterItsMode) {
    FakeMidiInput* input = nullptr;
    s.context.makeMidiInput = [&input](const Settings&) {
        auto made = std::make_unique<FakeMidiInput>();
        input = made.get();
        return made;
    };
    s.context.startSpeechEngine = [] { return std::make_unique<OneFrameSpeech>(); };
    WriteFileBytes(s.context.project.clipperPath, CanonicalWave(Constant(1, 10000, 10000)));
    select(0, Watched);
    const std::vector<Frame> before = watched();
    s.ui.answers = {Answer::Yes, Answer::Yes};
    s.command(cmd::Sk1Mode);
    input->play(0x90 | 60 << 8 | 64 << 16, 10);
    s.command(cmd::Stop);
    ASSERT_NE(watched(), before);
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo SK1 Mode");
    EXPECT_EQ(watched(), before);

    s.command(cmd::TtsMode);
    AcceptLyrics(s.context, u"la");
    input->play(0x90 | 60 << 8 | 127 << 16, 0);
    s.ui.answers = {Answer::Yes};
    s.command(cmd::Stop);
    ASSERT_NE(watched(), before);
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo TTS Mode");
    EXPECT_EQ(watched(), before);
}

TEST_F(UndoHistoryTest, TheLimitDropsTheOldestStepsAndAStepThatCannotBeKeptIsSaid) {
    s.context.workSync.history.setLimit(3 * 100 * sizeof(Frame));  // three steps of 100 frames
    for (uint32_t k = 0; k < 5; ++k) {
        select(100 * k + 1, 100 * k + 101);
        s.command(cmd::Cut);
    }
    int undone = 0;
    while (s.ui.enabled(cmd::Undo) && undone < 10) {
        s.command(cmd::Undo);
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(s.frame(150), (Frame{0, 0}));  // the two oldest cuts stay
    EXPECT_NE(s.frame(250), (Frame{0, 0}));

    // The history's folder cannot be made: the edit happens all the same, and the user is told.
    std::filesystem::remove_all(s.context.project.work.historyFolder());
    WriteFileText(s.context.project.work.historyFolder(), "in the way");
    select(1000, 1100);
    s.command(cmd::Cut);
    EXPECT_EQ(s.frame(1050), (Frame{0, 0}));
    EXPECT_EQ(s.ui.messages.back().text, "This edit cannot be undone: Jorv could not keep a copy of it.");
}

}  // namespace
}  // namespace jorv::test
