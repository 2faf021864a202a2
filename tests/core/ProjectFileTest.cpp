#include "core/ProjectFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <filesystem>

#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

class ProjectFileTest : public ::testing::Test {
protected:
    ProjectFileTest() {
        p.projectPath = f.folder.file("song.jor");
        for (int t = 0; t < 3; ++t) f.addTrack();
        p.block.header.memPerTrackMB = 4;
        StoreField(p.block.header.formatVersion, "2.0");
        p.block.tracks[1].volume = 77;
        p.block.header.reserved[5] = 0xAB;
        p.block.drumBlock.patterns[3].msPerBeat = 155;
    }
    bool open(const std::string& path) {
        f.ui.fileChoices.push_back(path);
        const auto chosen = ChooseProjectFile(p, f.ui);
        return chosen && OpenProjectFile(p, *chosen, f.ui);
    }
    ProjectFixture f{8};
    Project& p = f.project;
};

TEST_F(ProjectFileTest, SavedFileIsTheMagicAndTheBlockByteForByte) {
    ASSERT_TRUE(SaveProject(p, f.ui));
    const Bytes bytes = ReadFileBytes(p.projectPath);
    ASSERT_EQ(bytes.size(), 28596u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "JORV");
    EXPECT_EQ(std::memcmp(bytes.data() + 4, &p.block, sizeof p.block), 0);
    EXPECT_EQ(bytes[4 + 40], 4);                    // memPerTrackMB
    EXPECT_EQ(bytes[260 + 512 + 288], 77);          // track 1's volume
    EXPECT_EQ(f.ui.status, "Project Saved");
    EXPECT_FALSE(std::filesystem::exists(p.projectPath + ".saving"));
}

TEST_F(ProjectFileTest, FailedSaveReportsAndLeavesThePreviousFileWhole) {
    ASSERT_TRUE(SaveProject(p, f.ui));
    const Bytes before = ReadFileBytes(p.projectPath);
    std::filesystem::create_directory(p.projectPath + ".saving");  // the temporary cannot be written
    p.block.tracks[1].volume = 1;
    EXPECT_FALSE(SaveProject(p, f.ui));
    EXPECT_EQ(ReadFileBytes(p.projectPath), before);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Could not save .jor file."});
}

TEST_F(ProjectFileTest, OpenReadsEverythingAndNamesTrackFilesByPosition) {
    ASSERT_TRUE(SaveProject(p, f.ui));
    const ProjectBlock saved = p.block;
    std::memset(&p.block, 0, sizeof p.block);
    p.projectPath = "/elsewhere/x.jor";
    ASSERT_TRUE(open(f.folder.file("song.jor")));
    EXPECT_EQ(f.ui.fileRequests.back().title, "Load Jorv File");
    EXPECT_EQ(f.ui.fileRequests.back().initialFile, "/elsewhere/x.jor");
    EXPECT_EQ(p.projectPath, f.folder.file("song.jor"));
    EXPECT_EQ(p.projectDir, f.folder.path());
    EXPECT_EQ(p.block.tracks[1].volume, 77);
    EXPECT_EQ(p.block.header.reserved[5], 0xAB);
    EXPECT_EQ(p.block.drumBlock.patterns[3].msPerBeat, 155);
    EXPECT_EQ(std::memcmp(&p.block.drumBlock, &saved.drumBlock, sizeof saved.drumBlock), 0);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(f.waveFileOf(t), f.folder.file("song-Track " + std::to_string(t + 1) + ".wav"));
}

TEST_F(ProjectFileTest, CancelledUnreadableOrDamagedOpenLeavesEverythingAsItWas) {
    const ProjectBlock before = p.block;
    const std::string path = p.projectPath;
    EXPECT_FALSE(ChooseProjectFile(p, f.ui));  // cancelled

    WriteFileText(f.folder.file("text.jor"), "not a project");
    EXPECT_FALSE(open(f.folder.file("text.jor")));
    EXPECT_FALSE(open(f.folder.file("missing.jor")));
    for (const auto& [count, mb] : std::vector<std::pair<int, int>>{{17, 4}, {0, 4}, {2, 3}, {2, 0}, {2, 258}}) {
        Project damaged;
        damaged.block = before;
        damaged.block.header.trackCount = static_cast<uint16_t>(count);
        damaged.block.header.memPerTrackMB = mb;
        damaged.projectPath = f.folder.file("damaged.jor");
        ASSERT_TRUE(SaveProject(damaged, f.ui));
        EXPECT_FALSE(open(damaged.projectPath)) << count << " " << mb;
    }
    EXPECT_EQ(std::memcmp(&p.block, &before, sizeof before), 0);
    EXPECT_EQ(p.projectPath, path);  // a later Save cannot overwrite the file that failed
    const auto errors = f.ui.textsWithCaption("Jorv Error");
    EXPECT_EQ(errors[0], "No JORV header found in .jor file.");
    EXPECT_EQ(errors[1], "There has been a warning error opening the .jor file.");
    EXPECT_EQ(errors.size(), 7u);
}

TEST_F(ProjectFileTest, AShortFileMustHoldEveryTrackRecordAndFillsTheDrumsAsFarAsItReaches) {
    p.block.tracks[1].volume = 300;  // beyond 255: read as 255, so the gains cannot overflow
    p.block.tracks[2].pan = 65535;
    ASSERT_TRUE(SaveProject(p, f.ui));
    Bytes bytes = ReadFileBytes(p.projectPath);
    bytes.resize(4 + offsetof(ProjectBlock, drumBlock) + 100);
    WriteFileBytes(f.folder.file("short.jor"), bytes);
    bytes.resize(4 + offsetof(ProjectBlock, drumBlock) - 1);
    WriteFileBytes(f.folder.file("shorter.jor"), bytes);
    p.block.drumBlock.patterns[3].msPerBeat = 33;
    ASSERT_TRUE(open(f.folder.file("short.jor")));
    EXPECT_EQ(p.block.drumBlock.patterns[3].msPerBeat, 33);
    EXPECT_EQ(p.block.tracks[1].volume, 255);
    EXPECT_EQ(p.block.tracks[2].pan, 255);

    const ProjectBlock before = p.block;
    EXPECT_FALSE(open(f.folder.file("shorter.jor")));
    EXPECT_EQ(std::memcmp(&p.block, &before, sizeof before), 0);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"No JORV header found in .jor file."});
}

TEST_F(ProjectFileTest, AFifoIsRefusedAtOnceAndSaveReplacesThroughALink) {
    const std::string fifo = f.folder.file("fifo.jor");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_FALSE(open(fifo));
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error").back(), "There has been a warning error opening the .jor file.");

    ASSERT_TRUE(SaveProject(p, f.ui));
    const std::string link = f.folder.file("link.jor");
    ASSERT_EQ(::symlink(p.projectPath.c_str(), link.c_str()), 0);
    p.projectPath = link;
    p.block.tracks[1].volume = 12;
    ASSERT_TRUE(SaveProject(p, f.ui));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(f.folder.file("song.jor"))[4 + 256 + 512 + 288], 12);
}

TEST_F(ProjectFileTest, OpenRefusesTrackNamesThatWouldNotFit) {
    const std::string deep = f.folder.file(std::string(120, 'd'));
    std::filesystem::create_directory(deep);
    p.projectPath = deep + "/song.jor";
    ASSERT_TRUE(SaveProject(p, f.ui));
    const ProjectBlock before = p.block;
    p.projectPath = f.folder.file("song.jor");
    EXPECT_FALSE(open(deep + "/song.jor"));
    EXPECT_EQ(std::memcmp(&p.block, &before, sizeof before), 0);
    EXPECT_EQ(f.ui.messages.back().caption, "Unable to complete request.");
}

}  // namespace
}  // namespace jorv::test
