#include "app/shell/AppPaths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

TEST(AppPaths, FilesBesideTheProgramAreBuiltFromItsFolder) {
    Project project;
    SetStartupPaths(project, "/opt/jorv");
    EXPECT_EQ(project.exeDir, "/opt/jorv");
    EXPECT_EQ(project.clipperPath, "/opt/jorv/clipper.wav");
    EXPECT_EQ(project.helpPath, "/opt/jorv/jorv.htm");
    EXPECT_EQ(project.iniPath, "/opt/jorv/jorv.ini");
    EXPECT_EQ(project.projectPath, "/opt/jorv/untitled.jor");
    EXPECT_EQ(project.projectDir, "");
}

TEST(AppPaths, WritableProgramFolderIsUsedAsItIs) {
    TempFolder folder;
    EXPECT_EQ(ResolveExeDir(folder.path()), folder.path());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // the probe file is gone
}

TEST(AppPaths, UnwritableProgramFolderFallsBackToTheUserDataFolder) {
    TempFolder folder;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
    // Nobody, not even root, can create files in /proc.
    const std::string resolved = ResolveExeDir("/proc");
    old ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(resolved, folder.file("data/jorv"));
    EXPECT_TRUE(std::filesystem::is_directory(resolved));
}

TEST(AppPaths, ExecutableFolderIsTheTestProgramsOwn) {
    EXPECT_TRUE(std::filesystem::exists(ExecutableFolder() + "/jorv_shell_tests"));
}

}  // namespace
}  // namespace jorv::test
