#include "shell/AppPaths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "shell/CommandLine.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

// Runs with XDG_DATA_HOME pointing into a folder of the test's own.
class AppPathsTest : public ::testing::Test {
protected:
    AppPathsTest() {
        const char* old = std::getenv("XDG_DATA_HOME");
        saved_ = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
    }
    ~AppPathsTest() override { saved_ ? ::setenv("XDG_DATA_HOME", saved_->c_str(), 1) : ::unsetenv("XDG_DATA_HOME"); }

    TempFolder folder;

private:
    std::optional<std::string> saved_;
};

TEST_F(AppPathsTest, UserFilesAndTheHelpDocumentComeFromTheirFolders) {
    Project project;
    ProgramPaths paths;
    SetStartupPaths(project, paths, {"/usr/share/jorv", "/home/u/.local/share/jorv"});
    EXPECT_EQ(project.exeDir, "/home/u/.local/share/jorv");
    EXPECT_EQ(project.clipperPath, "/home/u/.local/share/jorv/clipper.wav");
    EXPECT_EQ(paths.help, "/usr/share/jorv/jorv.htm");
    EXPECT_EQ(paths.settings, "/home/u/.local/share/jorv/jorv.ini");
    EXPECT_EQ(project.projectPath, "/home/u/.local/share/jorv/untitled.jor");
    EXPECT_EQ(project.projectDir, "");
}

TEST_F(AppPathsTest, ABuildKeepsEverythingBesideTheProgramWhileItMayWriteThere) {
    const std::string bin = folder.file("build");
    std::filesystem::create_directories(bin);
    const AppFolders folders = ResolveAppFolders(bin);
    EXPECT_EQ(folders.programFiles, bin);
    EXPECT_EQ(folders.userFiles, bin);
    EXPECT_TRUE(std::filesystem::is_empty(bin));  // the probe file is gone

    // Nobody, not even root, can create files in /proc.
    const AppFolders readOnly = ResolveAppFolders("/proc");
    EXPECT_EQ(readOnly.programFiles, "/proc");
    EXPECT_EQ(readOnly.userFiles, folder.file("data/jorv"));
    EXPECT_TRUE(std::filesystem::is_directory(readOnly.userFiles));
}

TEST_F(AppPathsTest, AnInstalledProgramReadsShareJorvAndWritesToTheUserDataFolder) {
    std::filesystem::create_directories(folder.file("usr/bin"));
    std::filesystem::create_directories(folder.file("usr/share/jorv"));
    // Writable (as for root), and still the user's files go to the user's folder.
    const AppFolders folders = ResolveAppFolders(folder.file("usr/bin"));
    EXPECT_EQ(folders.programFiles, folder.file("usr/share/jorv"));
    EXPECT_EQ(folders.userFiles, folder.file("data/jorv"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("usr/bin")));
}

TEST(AppPaths, ExecutableFolderIsTheTestProgramsOwn) {
    EXPECT_TRUE(std::filesystem::exists(ExecutableFolder() + "/jorv_shell_tests"));
}

TEST(WindowCommandLine, OpensOneProjectAnswersHelpAndVersionAndRefusesTheRest) {
    using Action = WindowCommandLine::Action;
    EXPECT_EQ(ParseWindowCommandLine({}).action, Action::Run);
    EXPECT_EQ(ParseWindowCommandLine({}).projectFile, "");
    const WindowCommandLine project = ParseWindowCommandLine({"songs/demo.jor"});
    EXPECT_EQ(project.action, Action::Run);
    EXPECT_EQ(project.projectFile, "songs/demo.jor");
    EXPECT_EQ(ParseWindowCommandLine({"a.jor", "--version"}).action, Action::Version);
    EXPECT_EQ(ParseWindowCommandLine({"--help"}).action, Action::Help);
    for (const auto& words : std::vector<std::vector<std::string>>{{"a.jor", "b.jor"}, {"--bogus"}, {"-"}, {""}})
        EXPECT_EQ(ParseWindowCommandLine(words).action, Action::BadUsage) << words.size();
    EXPECT_TRUE(AsksForTextOnly({"x.jor", "--version"}));
    EXPECT_FALSE(AsksForTextOnly({"x.jor"}));
    EXPECT_EQ(JorvVersion(), "1.1");
}

}  // namespace
}  // namespace jorv::test
