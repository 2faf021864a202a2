#include "shell/ProjectCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/CommandDispatch.h"
#include "shell/StartUp.h"
#include "shell/CommandIds.h"
#include "devices/WaveEngine.h"
#include "shell/TransportRun.h"
#include "core/ProjectFile.h"
#include "shell/TrackPropertiesDialogLogic.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

// The command spine on the real engine with a fake device.
class ProjectCommandsTest : public ::testing::Test {
protected:
    ProjectCommandsTest() { project.exeDir = folder.path(); }
    void deliverPosted() { DeliverPosted(context, ui); }
    // New, Project Settings OK with the given file, Add, Track Properties OK.
    void newProject(const std::string& file) {
        window.projectSettings = [&] { AcceptProjectSettingsDialog(context, 2, file); };
        window.trackProperties = [&] { AcceptTrackProperties(project, "Drums", ui); };
        RunCommand(context, cmd::New);
        deliverPosted();
    }

    TempFolder folder;
    RecordingUiServices ui;
    FakeWaveDevice device;
    WaveEngine engine{device};
    RecordingWindow window;
    AppContext context{ui, engine, window};
    Project& project = context.project;
};

TEST_F(ProjectCommandsTest, NewProjectGetsItsNameBuffersAndFirstTrack) {
    newProject(folder.file("demo.jor"));
    EXPECT_EQ(window.dialogs, (std::vector<std::string>{"projectSettings", "trackProperties"}));
    EXPECT_TRUE(project.projectLoaded);
    EXPECT_EQ(project.framesPerTrack, 2 * FramesPerMegabyte);
    EXPECT_EQ(context.view.framesPerPixel, 2 * FramesPerMegabyte / 550.0);  // the view follows the buffers
    EXPECT_EQ(FieldToUtf8(project.block.tracks[0].title), "Drums");
    EXPECT_EQ(FieldToUtf8(project.block.tracks[0].waveFile), folder.file("demo-Track 1.wav"));
    EXPECT_EQ(project.selectionEnd, project.framesPerTrack - 1);
}

TEST_F(ProjectCommandsTest, AProjectCreatedInAChosenFolderIsSavedThereWithItsTracks) {
    const std::string chosen = folder.file("songs");
    std::filesystem::create_directory(chosen);
    newProject(chosen + "/demo.jor");
    RunCommand(context, cmd::Save);
    EXPECT_EQ(project.projectPath, chosen + "/demo.jor");
    EXPECT_TRUE(std::filesystem::exists(chosen + "/demo.jor"));
    EXPECT_TRUE(std::filesystem::exists(chosen + "/demo-Track 1.wav"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("demo.jor")));
}

TEST_F(ProjectCommandsTest, UnsavedWorkIsOfferedForSavingBeforeItIsDropped) {
    newProject(folder.file("demo.jor"));
    ui.posted.clear();
    ui.answers = {Answer::Cancel, Answer::Cancel, Answer::No};
    RunCommand(context, cmd::New);
    EXPECT_TRUE(project.projectLoaded);  // Cancel: New does not go on
    EXPECT_TRUE(ui.posted.empty());
    EXPECT_FALSE(MayCloseProject(context));
    EXPECT_EQ(ui.messages.back().caption, "Save Jorv Project");
    EXPECT_EQ(ui.messages.back().kind, MessageKind::QuestionWithCancel);
    RunCommand(context, cmd::Open);  // No: nothing is written, the chooser comes (and is cancelled)
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.file("demo.jor")));

    ui.answers = {Answer::Yes};
    EXPECT_TRUE(MayCloseProject(context));
    EXPECT_TRUE(std::filesystem::exists(folder.file("demo.jor")));
    EXPECT_FALSE(project.trackDirty);
    const std::size_t asked = ui.messages.size();
    EXPECT_TRUE(MayCloseProject(context));  // saved: nothing to ask
    EXPECT_EQ(ui.messages.size(), asked);
}

TEST_F(ProjectCommandsTest, PlayRunsUntilThePollSeesTheSelectionEnd) {
    newProject(folder.file("demo.jor"));
    project.selectionStart = 100;
    project.selectionEnd = 300;
    RunCommand(context, cmd::Play);
    EXPECT_TRUE(project.busy);
    EXPECT_EQ(ui.status, "Playing");
    device.advance(150);
    PollTransport(context);
    EXPECT_TRUE(ui.posted.empty());
    device.advance(50);
    PollTransport(context);
    ASSERT_EQ(ui.posted.size(), 1u);
    deliverPosted();
    EXPECT_FALSE(project.busy);
    EXPECT_EQ(ui.status, "Stopped");
    // The reset's buffer-done brings one more Stop, which finds nothing running.
    PollTransport(context);
    deliverPosted();
    EXPECT_TRUE(ui.posted.empty());
}

// jorv-cli runs the same transport: the loop ends at the selection end and stops as Stop does,
// placing the take; a refused start is the caller's to see.
TEST_F(ProjectCommandsTest, WithoutAWindowARecordingRunsToTheSelectionEndAndIsPlaced) {
    newProject(folder.file("demo.jor"));
    device.signal.assign(400, Frame{500, 500});
    project.selectionStart = 100;
    project.selectionEnd = 300;
    ASSERT_EQ(StartRecord(context), TransportStart::Started);
    int looks = 0;
    RunTransportToEnd(context, [&] {
        ++looks;
        device.advance(50);
    });
    EXPECT_EQ(looks, 4);
    EXPECT_FALSE(project.busy);
    EXPECT_EQ(ui.status, "Stopped");
    EXPECT_EQ(project.trackBuffer[99], (Frame{0, 0}));
    EXPECT_NE(project.trackBuffer[100], (Frame{0, 0}));
    EXPECT_TRUE(project.trackDirty);

    device.startSucceeds = false;
    EXPECT_EQ(StartPlay(context), TransportStart::DeviceRefused);
}

TEST_F(ProjectCommandsTest, RecordedTakeSurvivesSaveAndOpen) {
    newProject(folder.file("demo.jor"));
    device.signal.assign(1000, Frame{1234, -1234});
    project.selectionStart = 0;
    project.selectionEnd = 1000;
    RunCommand(context, cmd::Record);
    device.advance(1000);
    RunCommand(context, cmd::Stop);
    EXPECT_TRUE(project.trackDirty);
    RunCommand(context, cmd::Save);

    RunCommand(context, cmd::New);
    ui.posted.clear();
    ui.fileChoices.push_back(folder.file("demo.jor"));
    RunCommand(context, cmd::Open);
    EXPECT_TRUE(project.projectLoaded);
    EXPECT_EQ(project.block.header.trackCount, 1);
    EXPECT_EQ(project.trackBuffer[999], (Frame{int16_t((1234 * 254) >> 8), int16_t((-1234 * 254) >> 8)}));
    EXPECT_EQ(project.trackBuffer[1000], (Frame{0, 0}));
}

// `jorv PROJECT.jor`: the start-up opens it as Open would, a relative name taken from the
// current folder; a file that is no project is said, and no project is loaded.
TEST_F(ProjectCommandsTest, AProjectNamedOnTheCommandLineIsOpenedAtStartUp) {
    newProject(folder.file("demo.jor"));
    std::fill_n(project.trackBuffer.get(), 10, Frame{300, -300});
    project.trackDirty = true;
    RunCommand(context, cmd::Save);
    ASSERT_TRUE(MayCloseProject(context));  // the first window closes, so the project is free
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    AppContext opened{ui, engine, window};
    opened.project.exeDir = folder.path();
    ui.posted.clear();
    FinishStartUp(opened, "demo.jor");
    ASSERT_EQ(ui.posted.size(), 1u);
    DeliverPosted(opened, ui);
    std::filesystem::current_path(here);
    EXPECT_TRUE(opened.project.projectLoaded);
    EXPECT_EQ(opened.project.projectPath, folder.file("demo.jor"));
    EXPECT_EQ(opened.project.trackBuffer[9], (Frame{300, -300}));
    EXPECT_EQ(ui.title, "Jorv - demo");

    AppContext refused{ui, engine, window};
    FinishStartUp(refused, folder.file("demo-Track 1.wav"));
    DeliverPosted(refused, ui);
    EXPECT_FALSE(refused.project.projectLoaded);
    EXPECT_EQ(ui.textsWithCaption("Jorv Error").back(), "No JORV header found in .jor file.");
}

TEST_F(ProjectCommandsTest, FailedOpenWithoutAProjectLeavesNoProjectLoaded) {
    RunCommand(context, cmd::New);
    ui.posted.clear();
    RunCommand(context, cmd::Open);  // cancelled
    EXPECT_FALSE(project.projectLoaded);
    EXPECT_FALSE(project.buffersReady());
}

}  // namespace
}  // namespace jorv::test
