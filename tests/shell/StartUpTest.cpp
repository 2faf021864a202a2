#include "shell/StartUp.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/CommandIds.h"
#include "devices/WaveEngine.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

TEST(StartUp, ReadsSettingsBesideTheProgramThenPreparesDrumsAndPostsNew) {
    TempFolder folder;
    WriteFileText(folder.file("jorv.ini"), "[Jorv]\nLatency=300\nMidiBufSel=3\nAudioApi=alsa\nAudioOutDev=hw 2\n");
    ShellFixture shell;
    PrepareStartUp(shell.context, {folder.path(), folder.path()});
    EXPECT_EQ(shell.context.paths.settings, folder.file("jorv.ini"));
    EXPECT_EQ(shell.context.settings.recordLatency, 300);
    EXPECT_EQ(shell.wave.calls, std::vector<std::string>{"useDevices alsa/hw 2/"});

    FinishStartUp(shell.context);
    EXPECT_EQ(shell.context.project.block.drumBlock.patterns[9].msPerBeat, 100);
    // The saved buffer choice takes effect only when Options is accepted.
    EXPECT_EQ(shell.context.settings.midiBufferEntries, 65536);
    EXPECT_EQ(shell.ui.posted.size(), 1u);
    EXPECT_EQ(shell.ui.posted.front().id, cmd::New);
    EXPECT_EQ(shell.ui.title, "Jorv");
    EXPECT_EQ(shell.ui.status, "Uninitialized");
}

TEST(StartUp, ASettingsFileThatCannotBeReadIsSaidAndTheDefaultsUsed) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("jorv.ini"));
    ShellFixture shell;
    PrepareStartUp(shell.context, {folder.path(), folder.path()});
    EXPECT_EQ(shell.ui.textsWithCaption("Jorv Error"),
              std::vector<std::string>{"The settings file jorv.ini could not be read; the default settings are used."});
    EXPECT_EQ(shell.context.settings.recordLatency, 0);
}

TEST(StartUp, ShutDownClosesTheWaveDevicesAndSavesNothing) {
    ShellFixture shell;
    ShutDown(shell.context);
    EXPECT_EQ(shell.wave.calls, std::vector<std::string>{"closeDevices"});

    FakeWaveDevice device;
    WaveEngine engine(device);
    AppContext context(shell.ui, engine, shell.window);
    ASSERT_TRUE(engine.openDevices(context.project, 2, context.ui));
    ShutDown(context);
    EXPECT_EQ(device.closes, 1);
    EXPECT_FALSE(context.project.buffersReady());
    EXPECT_FALSE(context.project.trackBuffer);
}

}  // namespace
}  // namespace jorv::test
