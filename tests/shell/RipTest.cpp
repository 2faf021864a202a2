#include "shell/Rip.h"

#include <gtest/gtest.h>

#include <fstream>

#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "shell/ExternalTools.h"
#include "devices/RipCommands.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

using Strings = std::vector<std::string>;

struct RecordingPlayer final : MediaPlayer {
    explicit RecordingPlayer(Strings& sent) : sent(sent) {}
    void send(std::string_view command) override { sent.emplace_back(command); }
    bool waitUntilLoaded(int) override { return true; }
    Strings& sent;
};

struct RecordingLauncher final : Launcher {
    explicit RecordingLauncher(Strings& opened) : opened(opened) {}
    bool open(const std::string& path) override {
        opened.push_back(path);
        return path != "missing-program";
    }
    Strings& opened;
};

struct RipTest : ::testing::Test, ShellFixture {
    RipTest() {
        context.rip.startPlayer = [this] { return std::make_unique<RecordingPlayer>(sent); };
        context.launcher = std::make_unique<RecordingLauncher>(opened);
        context.project.projectLoaded = true;
    }
    Strings sent, opened;
};

TEST_F(RipTest, ShortSourcesAreCdTracksAndLongerOnesFilesSentAsTyped) {
    EXPECT_EQ(RipCommandsFor("7").first, "seek cd to 7");
    EXPECT_EQ(RipCommandsFor("123").play, "play cd");
    EXPECT_EQ(RipCommandsFor("").first, "seek cd to ");
    EXPECT_EQ(RipCommandsFor("1234").first, "Load 1234");
    const RipCommands file = RipCommandsFor("/music/my song.ogg");
    EXPECT_EQ(file.first, "Load /music/my song.ogg");
    EXPECT_EQ(file.play, "Play /music/my song.ogg");
    EXPECT_EQ(file.stop, "Stop /music/my song.ogg");
    AcceptRipDialog(context, std::string(120, 'x'));
    EXPECT_EQ(context.rip.source.size(), MaxRipSource);
}

TEST_F(RipTest, AnArmedRecordStartsThePlayerAndItsStopStopsItAndDisarms) {
    AcceptRipDialog(context, "7");
    EXPECT_EQ(sent, Strings{"seek cd to 7"});
    RunCommand(context, cmd::Record);
    EXPECT_EQ(wave.calls.back().rfind("startRecording", 0), 0u);
    EXPECT_EQ(sent, (Strings{"seek cd to 7", "play cd"}));
    RunCommand(context, cmd::Stop);
    EXPECT_EQ(sent.back(), "stop cd wait");
    EXPECT_FALSE(context.rip.armed);

    // Play while armed leaves the player alone, and its stop disarms all the same.
    AcceptRipDialog(context, "7");
    RunCommand(context, cmd::Play);
    RunCommand(context, cmd::Stop);
    EXPECT_EQ(sent, (Strings{"seek cd to 7", "play cd", "stop cd wait", "seek cd to 7", "stop cd wait"}));
    EXPECT_FALSE(context.rip.armed);
    AcceptRipDialog(context, "7");
    CancelRipDialog(context);
    EXPECT_FALSE(context.rip.armed);
}

TEST_F(RipTest, TheToolsOpenTheirPathsAndSayWhatToSetInOptionsWhenTheyCannot) {
    RunCommand(context, cmd::AudioMixer);
    context.settings.audioMixerPath = "/usr/bin/qasmixer";
    RunCommand(context, cmd::AudioMixer);
    context.settings.midiSequencerPath = "/usr/bin/rosegarden";
    RunCommand(context, cmd::MidiSequencer);
    EXPECT_EQ(opened, (Strings{"pavucontrol", "/usr/bin/qasmixer", "/usr/bin/rosegarden"}));
    EXPECT_TRUE(ui.messages.empty());

    // An empty path starts nothing; a program that does not start is named. Both say which
    // field of the Options dialog to set.
    context.settings.midiSequencerPath.clear();
    RunCommand(context, cmd::MidiSequencer);
    context.settings.audioMixerPath = "missing-program";
    RunCommand(context, cmd::AudioMixer);
    EXPECT_EQ(opened.size(), 4u);
    ASSERT_EQ(ui.textsWithCaption(ErrorCaption),
              (Strings{"No program is set for Midi Sequencer. Set the \"Midi Sequencer\" field in Tools > Options.",
                       "The Audio Mixer program \"missing-program\" could not be started. Set the \"Audio Mixer\" "
                       "field in Tools > Options to a program that is installed."}));
}

TEST_F(RipTest, HelpOpensTheDocumentInTheProgramsOwnWindowOrNamesTheMissingFile) {
    TempFolder folder;
    context.paths.help = folder.file("jorv.htm");
    RunCommand(context, cmd::HelpIndex);
    EXPECT_TRUE(window.helpShown.empty());
    EXPECT_EQ(ui.textsWithCaption(ErrorCaption), Strings{"The help document " + folder.file("jorv.htm") + " could not be found."});

    std::ofstream(folder.file("jorv.htm")) << "<html><body>Help</body></html>";
    RunCommand(context, cmd::HelpIndex);
    EXPECT_EQ(window.helpShown, Strings{folder.file("jorv.htm")});
    EXPECT_TRUE(opened.empty());  // no desktop browser is asked
}

}  // namespace
}  // namespace jorv::test
