#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "shell/RecentProjects.h"
#include "shell/SaveProjectAs.h"
#include "shell/ScriptSession.h"
#include "shell/ScriptedUiServices.h"
#include "shell/HeadlessWindow.h"
#include "shell/IniFile.h"
#include "shell/ScrollHandling.h"
#include "shell/StartUp.h"
#include "core/ProjectFile.h"
#include "core/WaveFile.h"
#include "tests/support/ShellSession.h"

namespace jorv::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// One frame of a wave file as it was saved.
Frame SavedFrame(const std::string& path, uint32_t at) {
    RecordingUiServices ui;
    std::vector<Frame> frames(2 * FramesPerMegabyte);
    EXPECT_LT(LoadWave(path, frames.data(), uint32_t(frames.size()), ui), FirstWaveFailure) << path;
    return frames[at];
}

struct ProjectFilesTest : ::testing::Test {
    ProjectFilesTest() { session.context.paths.settings = folder.file("jorv.ini"); }
    // New (or File > Properties) with the given File field: whether Project Settings' OK closed
    // the dialog.
    bool projectSettings(const std::string& field, int command = cmd::New) {
        bool closed = false;
        session.window.projectSettings = [&] { closed = AcceptProjectSettingsDialog(session.context, 2, field); };
        session.window.trackProperties = [&] { AcceptTrackProperties(session.context.project, "Take", session.ui); };
        session.command(command);
        return closed;
    }
    void saveAs(const std::string& path) {
        session.ui.fileChoices.push_back(path);
        session.command(cmd::SaveAs);
    }
    Strings errors() const { return session.ui.textsWithCaption(ErrorCaption); }

    TempFolder folder;
    Session session{folder.path()};
    Project& project = session.context.project;
};

TEST_F(ProjectFilesTest, AMissingFolderIsCreatedOnlyAfterTheQuestionAndThenHoldsTheWholeProject) {
    const std::string missing = folder.file("songs/2024");
    session.ui.answers = {Answer::No};
    EXPECT_FALSE(projectSettings(missing + "/demo.jor"));  // No: the dialog stays
    EXPECT_EQ(session.ui.messages.back().text, "The folder " + missing + " does not exist. Create it?");
    EXPECT_EQ(session.ui.messages.back().caption, "Create Folder");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(project.projectLoaded);

    session.ui.answers = {Answer::Yes};
    EXPECT_TRUE(projectSettings(missing + "/demo.jor"));
    EXPECT_TRUE(project.projectLoaded);
    EXPECT_TRUE(errors().empty());  // the first track's file went where it belongs
    session.command(cmd::Save);
    EXPECT_TRUE(fs::exists(missing + "/demo.jor"));
    EXPECT_TRUE(fs::exists(missing + "/demo-Track 1.wav"));
}

TEST_F(ProjectFilesTest, AFolderThatCannotBeWrittenIsNamedAndTheOpenProjectStaysAsItWas) {
    MakeSavedProject(folder.path(), folder.file("old.jor"), 1);
    session.open(folder.file("old.jor"));
    ASSERT_EQ(session.ui.title, "Jorv - old");
    const std::string blocked = folder.file("blocked");
    fs::create_directory(blocked);
    fs::create_directory(blocked + "/new.jor.saving");  // nothing can be written in its place

    EXPECT_FALSE(projectSettings(blocked + "/new.jor", cmd::ProjectProperties));
    EXPECT_EQ(errors(), Strings{"Could not write the file " + blocked + "/new.jor."});
    EXPECT_EQ(session.ui.title, "Jorv - old");
    EXPECT_EQ(FieldToUtf8(project.block.header.name), "old");
    EXPECT_TRUE(project.projectLoaded);
}

TEST_F(ProjectFilesTest, TheTitleMarksUnsavedChangesUntilTheyAreSaved) {
    MakeSavedProject(folder.path(), folder.file("song.jor"), 1);
    session.open(folder.file("song.jor"));
    EXPECT_EQ(session.ui.title, "Jorv - song");
    project.trackBuffer[5] = {700, 700};
    session.cut(0, 10);
    EXPECT_EQ(session.ui.title, "Jorv - song*");
    session.command(cmd::Save);
    EXPECT_EQ(session.ui.title, "Jorv - song");
    // A track's volume is saved with the project, so moving its bar is a change too.
    HandleScroll(session.context, cmd::VolumeBar, ScrollCode::LineLeft, 0, 255);
    EXPECT_EQ(session.ui.title, "Jorv - song*");
}

TEST_F(ProjectFilesTest, SaveAsCarriesTheUnsavedWorkToTheNewNameAndLeavesTheOldFilesAsTheyWere) {
    MakeSavedProject(folder.path(), folder.file("old.jor"), 2);
    session.open(folder.file("old.jor"));
    // Track 2's change is in the working copy, track 1's still in the buffer.
    session.selectTrack(1);
    project.trackBuffer[20] = {2000, -2000};
    project.trackDirty = true;
    session.selectTrack(0);
    project.trackBuffer[10] = {1000, -1000};
    project.trackDirty = true;
    const std::string oldWork = project.work.folder();

    const std::string target = folder.file("copies/new.jor");
    fs::create_directory(folder.file("copies"));
    saveAs(target);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(SavedFrame(folder.file("copies/new-Track 1.wav"), 10), (Frame{1000, -1000}));
    EXPECT_EQ(SavedFrame(folder.file("copies/new-Track 2.wav"), 20), (Frame{2000, -2000}));
    EXPECT_EQ(SavedFrame(folder.file("old-Track 1.wav"), 10), (Frame{0, 0}));
    EXPECT_EQ(SavedFrame(folder.file("old-Track 2.wav"), 20), (Frame{0, 0}));
    EXPECT_FALSE(fs::exists(oldWork));

    // The project goes on from there, saved, and opens again as it is.
    EXPECT_EQ(project.projectPath, target);
    EXPECT_EQ(session.ui.title, "Jorv - new");
    EXPECT_EQ(session.ui.status, "Project Saved");
    EXPECT_FALSE(project.hasUnsavedChanges());
    EXPECT_EQ(FieldToUtf8(project.block.tracks[1].waveFile), folder.file("copies/new-Track 2.wav"));
    MayCloseProject(session.context);
    Session again(folder.path());
    again.open(target);
    EXPECT_EQ(again.ui.title, "Jorv - new");
    EXPECT_EQ(again.frame(10), (Frame{1000, -1000}));
}

TEST_F(ProjectFilesTest, SaveAsAsksBeforeReplacingAndAFailedWriteKeepsTheOldProject) {
    MakeSavedProject(folder.path(), folder.file("old.jor"), 2);
    MakeSavedProject(folder.path(), folder.file("other.jor"), 1);
    const auto otherBytes = ReadFileBytes(folder.file("other.jor"));
    session.open(folder.file("old.jor"));
    session.ui.answers = {Answer::No};
    saveAs(folder.file("other.jor"));
    EXPECT_EQ(session.ui.messages.back().text, "The file " + folder.file("other.jor") + " already exists. Replace it?");
    EXPECT_EQ(session.ui.messages.back().caption, "Save Jorv Project As");
    EXPECT_EQ(ReadFileBytes(folder.file("other.jor")), otherBytes);
    EXPECT_FALSE(fs::exists(folder.file("other-Track 2.wav")));

    // The second track's file cannot be written: the message names it, the first goes again.
    fs::create_directory(folder.file("third-Track 2.wav.saving"));
    saveAs(folder.file("third.jor"));
    EXPECT_EQ(errors(), Strings{"Could not write the file " + folder.file("third-Track 2.wav") + "."});
    EXPECT_FALSE(fs::exists(folder.file("third-Track 1.wav")));
    EXPECT_FALSE(fs::exists(folder.file("third.jor")));
    EXPECT_EQ(project.projectPath, folder.file("old.jor"));
    EXPECT_EQ(session.ui.title, "Jorv - old");

    session.ui.answers = {Answer::Yes};
    saveAs(folder.file("other.jor"));
    EXPECT_EQ(session.ui.title, "Jorv - other");
    EXPECT_TRUE(fs::exists(folder.file("other-Track 2.wav")));
}

TEST(RecentProjects, TheLatestComesFirstOnceEachAndEightAtMost) {
    Strings list;
    for (const char* name : {"a", "b", "c", "b"}) AddRecentProject(list, name);
    EXPECT_EQ(list, (Strings{"b", "c", "a"}));
    for (int i = 0; i < 10; ++i) AddRecentProject(list, "p" + std::to_string(i));
    EXPECT_EQ(list.size(), 8u);
    EXPECT_EQ(list.front(), "p9");
    EXPECT_EQ(list.back(), "p2");
}

TEST_F(ProjectFilesTest, OpenedAndSavedProjectsAreListedKeptInTheSettingsAndOpenFromTheMenu) {
    MakeSavedProject(folder.path(), folder.file("one.jor"), 1);
    MakeSavedProject(folder.path(), folder.file("two.jor"), 1);
    session.open(folder.file("one.jor"));
    session.open(folder.file("two.jor"));
    saveAs(folder.file("three.jor"));
    const Strings expected{folder.file("three.jor"), folder.file("two.jor"), folder.file("one.jor")};
    EXPECT_EQ(session.ui.recentProjects, expected);
    EXPECT_EQ(ReadIniString(folder.file("jorv.ini"), "Jorv", "RecentProject1", ""), folder.file("three.jor"));

    // The next run's File menu starts with the same list, and its third entry opens "one".
    MayCloseProject(session.context);
    Session next(folder.path());
    PrepareStartUp(next.context, {folder.path(), folder.path()});
    EXPECT_EQ(next.ui.recentProjects, expected);
    next.command(cmd::RecentProject + 2);
    EXPECT_EQ(next.ui.title, "Jorv - one");
    EXPECT_EQ(next.ui.recentProjects.front(), folder.file("one.jor"));

    // "two" has gone: choosing it says so, takes it off the list, and "one" stays open.
    fs::remove(folder.file("two.jor"));
    next.command(cmd::RecentProject + 2);
    EXPECT_EQ(next.ui.textsWithCaption("Jorv Error"),
              (Strings{"The project " + folder.file("two.jor") + " is no longer there, so it leaves the list."}));
    EXPECT_EQ(next.ui.recentProjects, (Strings{folder.file("one.jor"), folder.file("three.jor")}));
    EXPECT_EQ(ReadIniString(folder.file("jorv.ini"), "Jorv", "RecentProject3", ""), "");
    EXPECT_EQ(next.ui.title, "Jorv - one");
}

TEST_F(ProjectFilesTest, AScriptSavesAsThroughTheMenuPath) {
    MakeSavedProject(folder.path(), folder.file("song.jor"), 1);
    std::istringstream lines("file " + folder.file("copy.jor") + "\nFile > Save As\n");
    const ParsedScript script = ParseScript(lines);
    ASSERT_EQ(script.steps.size(), 2u);
    EXPECT_EQ(script.steps[1].command, cmd::SaveAs);

    std::ostringstream out;
    ScriptedUiServices ui(out);
    HeadlessWindow window;
    Session run(folder.path());
    AppContext context{ui, run.engine, window};
    window.attach(context);
    context.project.exeDir = folder.path();
    OpenProjectFileCommand(context, folder.file("song.jor"));
    EXPECT_EQ(RunScript(context, ui, window, script), ScriptOutcome::Completed) << out.str();
    EXPECT_TRUE(fs::exists(folder.file("copy.jor")));
    EXPECT_TRUE(fs::exists(folder.file("copy-Track 1.wav")));
}

}  // namespace
}  // namespace jorv::test
