#include "core/ProjectSettings.h"

#include <gtest/gtest.h>

#include "core/ProjectFile.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

TEST(ProjectSettings, MemoryListAndItsInformationLines) {
    EXPECT_EQ(MemoryChoices().size(), 128u);
    EXPECT_EQ(MemoryChoiceIndex(4), 1);
    EXPECT_EQ(MemoryChoiceIndex(5), std::nullopt);  // not an entry: never becomes the size
    EXPECT_EQ(MemoryChoiceIndex(258), std::nullopt);
    EXPECT_EQ(MemoryInfoLines(256, 1234),
              (std::array<std::string, 3>{"Total Memory Required: 769MB", "Recording Time: 1521 sec", "Available Memory: 1234MB"}));
    EXPECT_EQ(MemoryInfoLines(2, 0)[1], "Recording Time: 11 sec");
}

TEST(ProjectSettings, FreeMemoryComesFromMemAvailable) {
    TempFolder folder;
    WriteFileText(folder.file("meminfo"), "MemTotal:       24000000 kB\nMemFree:  100 kB\nMemAvailable:    2097152 kB\n");
    EXPECT_EQ(FreeMemoryMB(folder.file("meminfo")), 2048);
    EXPECT_EQ(FreeMemoryMB(folder.file("none")), 0);
    EXPECT_GT(FreeMemoryMB(), 0);
}

TEST(ProjectSettings, StemIsCutAtTheLastDotThenTheLastSeparator) {
    EXPECT_EQ(SplitProjectPath("/home/me/song.jor").stem, "song");
    EXPECT_EQ(SplitProjectPath("/home/me/song.jor").folder, "/home/me");
    EXPECT_EQ(SplitProjectPath("song").folder, "");
    const ProjectStem dotted = SplitProjectPath("/home/my.music/song");
    EXPECT_EQ(dotted.folder, "/home");
    EXPECT_EQ(dotted.stem, "my");
}

TEST(ProjectSettings, OkAcceptsStemsUpTo15CharactersAndShowsTheTitle) {
    ProjectFixture f(8);
    EXPECT_FALSE(AcceptProjectSettings(f.project, 8, f.folder.file("0123456789abcdef.jor"), f.ui));
    EXPECT_EQ(f.ui.messages.back().text, "The filename minus path and extension must be less than 16 characters.");
    EXPECT_EQ(f.ui.messages.back().caption, "ERROR");
    EXPECT_EQ(FieldToUtf8(f.project.block.header.name), "song");
    ASSERT_TRUE(AcceptProjectSettings(f.project, 8, f.folder.file("0123456789abcde.jor"), f.ui));
    EXPECT_EQ(FieldToUtf8(f.project.block.header.name), "0123456789abcde");
    EXPECT_EQ(f.project.projectDir, f.folder.path());
    EXPECT_EQ(f.project.block.header.memPerTrackMB, 8);
    EXPECT_EQ(f.ui.title, "Jorv - 0123456789abcde");
    EXPECT_EQ(f.ui.status, "Project Loaded");
}

TEST(ProjectSettings, ANewProjectOverAnotherProjectsFilesAsksFirst) {
    ProjectFixture f(8);
    WriteFileText(f.folder.file("song-Track 1.wav"), "old audio");
    const std::string field = f.folder.file("song.jor");
    f.ui.answers.push_back(Answer::No);
    EXPECT_FALSE(AcceptProjectSettings(f.project, 8, field, f.ui));  // the dialog stays
    EXPECT_EQ(f.ui.messages.back().caption, "New Jorv Project");
    EXPECT_EQ(f.ui.messages.back().kind, MessageKind::Question);
    EXPECT_EQ(f.project.projectDir, "");
    f.ui.answers.push_back(Answer::Yes);
    EXPECT_TRUE(AcceptProjectSettings(f.project, 8, field, f.ui));
    EXPECT_EQ(ReadFileBytes(f.folder.file("song-Track 1.wav")).size(), 9u);  // nothing written yet

    // A loaded project, and a name with no files yet, go on without a question.
    const std::size_t asked = f.ui.messages.size();
    f.project.projectLoaded = true;
    EXPECT_TRUE(AcceptProjectSettings(f.project, 8, field, f.ui));
    f.project.projectLoaded = false;
    EXPECT_TRUE(AcceptProjectSettings(f.project, 8, f.folder.file("fresh.jor"), f.ui));
    EXPECT_EQ(f.ui.messages.size(), asked);
}

TEST(ProjectSettings, BrowseLoadsAProjectKeepingItsStoredTrackNames) {
    ProjectFixture f(8);
    f.addTrack();
    f.project.block.header.memPerTrackMB = 16;
    f.project.projectPath = f.folder.file("old.jor");
    ASSERT_TRUE(SaveProject(f.project, f.ui));
    const std::string stored = f.waveFileOf(0);

    Project fresh;
    fresh.currentTrack = 3;
    fresh.trackDirty = true;
    EXPECT_TRUE(LoadFromSettingsField(fresh, f.folder.file("old.jor"), f.ui));
    EXPECT_TRUE(fresh.projectLoaded);
    EXPECT_EQ(fresh.currentTrack, 0);
    EXPECT_FALSE(fresh.trackDirty);
    EXPECT_EQ(fresh.block.header.memPerTrackMB, 16);
    EXPECT_EQ(FieldToUtf8(fresh.block.tracks[0].waveFile), stored);

    EXPECT_FALSE(LoadFromSettingsField(fresh, f.folder.file("new-name.jor"), f.ui));  // a new project's name
    EXPECT_FALSE(fresh.projectLoaded);
    EXPECT_EQ(fresh.projectPath, f.folder.file("new-name.jor"));
    WriteFileText(f.folder.file("junk.jor"), "junk");
    EXPECT_FALSE(LoadFromSettingsField(fresh, f.folder.file("junk.jor"), f.ui));
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"No JORV header found in .jor file."});
}

}  // namespace
}  // namespace jorv::test
