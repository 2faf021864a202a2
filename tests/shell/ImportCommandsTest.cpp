#include "shell/ImportCommands.h"

#include <gtest/gtest.h>

#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

TEST(CopyFrom, TheChosenFileBecomesTheClipboardOrTheUserIsToldWhyNot) {
    ShellFixture shell;
    TempFolder folder;
    Project& p = shell.context.project;
    p.exeDir = folder.path();
    p.clipperPath = folder.file("clipper.wav");
    const std::string source = folder.file("source.wav");
    WriteFileBytes(source, CanonicalWave(Constant(3, 1, 2)));
    WriteFileBytes(p.clipperPath, CanonicalWave(Constant(1, 9, 9)));
    WriteFileText(folder.file("notes.txt"), "no sound");
    auto& ui = shell.ui;
    ui.fileChoices = {std::nullopt, source, folder.file("missing.wav"), folder.file("notes.txt"), p.clipperPath};
    ui.status = "before";
    CopyFromFile(shell.context);  // cancelled
    EXPECT_EQ(ui.status, "before");
    CopyFromFile(shell.context);
    EXPECT_EQ(ReadFileBytes(p.clipperPath), CanonicalWave(Constant(3, 1, 2)));
    EXPECT_EQ(ui.status, "Copied to clipper");
    EXPECT_EQ(ui.fileRequests[0].title, "Open Wave File");
    EXPECT_EQ(ui.fileRequests[0].filterLabel, "Audio files");
    EXPECT_NE(ui.fileRequests[0].filterPattern.find("*.flac"), std::string::npos);
    EXPECT_EQ(ui.fileRequests[0].initialFolder, p.exeDir);

    ui.status.clear();
    CopyFromFile(shell.context);
    CopyFromFile(shell.context);
    EXPECT_EQ(ui.textsWithCaption("Jorv Error"),
              (std::vector<std::string>{"Could not copy wave file.", "Jorv cannot read this file as audio."}));
    EXPECT_EQ(ui.status, "");
    CopyFromFile(shell.context);  // the clipboard onto itself
    EXPECT_EQ(ReadFileBytes(p.clipperPath), CanonicalWave(Constant(3, 1, 2)));
}

}  // namespace
}  // namespace jorv::test
