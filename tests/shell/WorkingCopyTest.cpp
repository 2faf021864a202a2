#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "shell/ProjectCommands.h"
#include "core/TakeJournal.h"
#include "core/WorkRecovery.h"
#include "devices/WaveEngine.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ShellSession.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

namespace fs = std::filesystem;

// A saved project of two tracks of known audio, and its files' bytes.
class WorkingCopyTest : public ::testing::Test {
protected:
    WorkingCopyTest() {
        MakeSavedProject(folder.path(), project, 2);
        WriteFileBytes(track(1), CanonicalWave(Constant(1000, 1111, -1111)));
        WriteFileBytes(track(2), CanonicalWave(Constant(1000, 2222, -2222)));
        saved = savedFiles();
    }
    std::string track(int n) const { return folder.file("demo-Track " + std::to_string(n) + ".wav"); }
    std::vector<Bytes> savedFiles() const { return {ReadFileBytes(project), ReadFileBytes(track(1)), ReadFileBytes(track(2))}; }
    std::string workFolder() const { return WorkingCopy::FolderFor(project); }
    // Edits on both tracks and a third track, none of them saved.
    void edit(Session& s) {
        s.open(project);
        s.cut(0, 10);
        s.selectTrack(1);
        s.cut(10, 20);
        s.command(cmd::AddTrack);
    }
    // The edits, then one more on track 1 that only the journal holds, then the program ends
    // without closing the project.
    void crash() {
        Session crashed(folder.path());
        edit(crashed);
        crashed.selectTrack(0);
        crashed.cut(500, 600);
    }

    TempFolder folder;
    const std::string project = folder.file("demo.jor");
    std::vector<Bytes> saved;
};

TEST_F(WorkingCopyTest, NoToTheSaveQuestionLeavesTheSavedProjectAsSaveLastWroteIt) {
    Session s(folder.path());
    edit(s);
    EXPECT_EQ(savedFiles(), saved);  // nothing is written to the saved files on its own
    EXPECT_FALSE(fs::exists(folder.file("demo-Track 3.wav")));
    s.ui.answers = {Answer::No};
    ASSERT_TRUE(MayCloseProject(s.context));
    EXPECT_EQ(savedFiles(), saved);
    EXPECT_FALSE(fs::exists(folder.file("demo-Track 3.wav")));
    EXPECT_FALSE(fs::exists(workFolder()));
}

TEST_F(WorkingCopyTest, SaveCommitsEveryTrackAndTheProjectAndEmptiesTheWorkingFolder) {
    Session s(folder.path());
    edit(s);
    s.command(cmd::Save);
    EXPECT_EQ(s.ui.status, "Project Saved");
    Session reopened(folder.path());
    ASSERT_TRUE(MayCloseProject(s.context));
    reopened.open(project);
    EXPECT_EQ(reopened.context.project.block.header.trackCount, 3);
    EXPECT_EQ(reopened.frame(9), (Frame{0, 0}));
    EXPECT_EQ(reopened.frame(10), (Frame{1111, -1111}));
    reopened.selectTrack(1);
    EXPECT_EQ(reopened.frame(10), (Frame{0, 0}));
    EXPECT_EQ(reopened.frame(20), (Frame{2222, -2222}));
    EXPECT_TRUE(fs::exists(folder.file("demo-Track 3.wav")));
}

TEST_F(WorkingCopyTest, AfterACrashYesRecoversEveryEditWhileTheSavedFilesWaitForSave) {
    crash();
    EXPECT_EQ(savedFiles(), saved);
    Session s(folder.path());
    s.ui.answers = {Answer::Yes};
    s.open(project);
    const auto questions = s.ui.textsWithCaption("Recover Jorv Project");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].rfind("Jorv did not close the project \"demo\", last changed ", 0), 0u) << questions[0];
    EXPECT_EQ(s.context.project.block.header.trackCount, 3);
    EXPECT_EQ(s.frame(9), (Frame{0, 0}));
    EXPECT_EQ(s.frame(550), (Frame{0, 0}));  // journaled only, never written whole
    EXPECT_EQ(s.frame(10), (Frame{1111, -1111}));
    s.selectTrack(1);
    EXPECT_EQ(s.frame(15), (Frame{0, 0}));
    EXPECT_TRUE(s.context.project.hasUnsavedChanges());
    EXPECT_EQ(savedFiles(), saved);
    // The recovery is a step of each track it changed: Undo brings the saved audio back.
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo Recover");
    EXPECT_EQ(s.frame(15), (Frame{2222, -2222}));
    s.command(cmd::Redo);
    EXPECT_EQ(s.frame(15), (Frame{0, 0}));
    s.command(cmd::Save);
    EXPECT_NE(savedFiles(), saved);
}

TEST_F(WorkingCopyTest, AfterACrashNoDropsTheWorkAndTheQuestionDoesNotComeBack) {
    crash();
    auto declined = std::make_unique<Session>(folder.path());
    declined->ui.answers = {Answer::No};
    declined->open(project);
    EXPECT_EQ(declined->ui.textsWithCaption("Recover Jorv Project").size(), 1u);
    EXPECT_EQ(declined->frame(0), (Frame{1111, -1111}));
    EXPECT_EQ(declined->context.project.block.header.trackCount, 2);
    EXPECT_FALSE(declined->context.project.hasUnsavedChanges());
    declined.reset();  // and that run ends without closing too
    Session s(folder.path());
    s.open(project);
    EXPECT_TRUE(s.ui.textsWithCaption("Recover Jorv Project").empty());
}

TEST_F(WorkingCopyTest, ADamagedJournalIsSaidAndWhatCameBeforeTheDamageIsRecovered) {
    crash();
    const std::string journal = workFolder() + "/edits.journal";
    Bytes bytes = ReadFileBytes(journal);
    ASSERT_GT(bytes.size(), 20u);
    bytes.resize(bytes.size() - 3);  // the last edit cut short
    WriteFileBytes(journal, bytes);
    Session s(folder.path());
    s.ui.answers = {Answer::Yes};
    s.open(project);
    EXPECT_EQ(s.ui.textsWithCaption("Jorv Error"),
              std::vector<std::string>{"Part of the unsaved work could not be read and is lost; the rest has been recovered."});
    EXPECT_EQ(s.frame(550), (Frame{1111, -1111}));  // the cut-short edit is lost
    EXPECT_EQ(s.frame(5), (Frame{0, 0}));           // the written track is whole
    EXPECT_EQ(savedFiles(), saved);
}

// The take is cut short after 200 of its 300 frames; recovering it must give what a Stop at that
// moment gives.
TEST_F(WorkingCopyTest, ATakeCutShortByACrashIsPlacedAsStopWouldHavePlacedIt) {
    const auto record = [&](Session& s) {
        s.open(project);
        s.context.settings.recordLatency = 6;
        s.context.project.mergeRecord = true;
        s.device.signal = Ramp(300, 7);
        s.context.project.selectionStart = 100;
        s.context.project.selectionEnd = 400;
        s.command(cmd::Record);
        s.device.advance(200);
    };
    std::vector<Frame> stopped;
    {
        Session s(folder.path());
        record(s);
        s.command(cmd::Stop);
        stopped.assign(s.context.project.trackBuffer.get(), s.context.project.trackBuffer.get() + 500);
        s.ui.answers = {Answer::No};
        ASSERT_TRUE(MayCloseProject(s.context));
    }
    {
        Session crashed(folder.path());
        record(crashed);
        // The journal's thread keeps up with the take on its own.
        const std::string journal = workFolder() + "/take.journal";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (DecodeTakeJournal(ReadFileBytes(journal)).frames < 200 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(savedFiles(), saved);
    Session s(folder.path());
    s.ui.answers = {Answer::Yes};
    s.open(project);
    ASSERT_EQ(s.ui.textsWithCaption("Recover Jorv Project").size(), 1u);
    EXPECT_TRUE(s.ui.textsWithCaption("Jorv Error").empty());
    const std::vector<Frame> recovered(s.context.project.trackBuffer.get(), s.context.project.trackBuffer.get() + 500);
    EXPECT_EQ(recovered, stopped);
    EXPECT_NE(recovered[150], (Frame{1111, -1111}));
    EXPECT_FALSE(std::filesystem::exists(workFolder() + "/take.journal"));
}

TEST_F(WorkingCopyTest, ASecondRunCannotOpenAProjectThatIsOpenAndLeavesItsWorkAlone) {
    Session first(folder.path());
    edit(first);
    Session second(folder.path());
    second.open(project);
    EXPECT_EQ(second.ui.textsWithCaption("Unable to complete request."),
              std::vector<std::string>{"This project is open in another Jorv. Close it there first."});
    EXPECT_FALSE(second.context.project.projectLoaded);
    first.command(cmd::Save);
    Session reopened(folder.path());
    ASSERT_TRUE(MayCloseProject(first.context));
    reopened.open(project);
    EXPECT_EQ(reopened.context.project.block.header.trackCount, 3);
}

}  // namespace
}  // namespace jorv::test
