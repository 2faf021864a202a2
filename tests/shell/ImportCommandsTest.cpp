#include "shell/ImportCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Gains.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ShellSession.h"
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

// A mono 22050 Hz file goes into the track from the selection's start at the track's rate, on
// both sides, with the track's gains, and the rest of the track stays; what does not fit before
// the track's end is cut there, and the user told.
TEST(ImportAudio, PastesTheConvertedFileAtTheSelectionStart) {
    OneTrackShell shell(8000);
    const ProjectFixture& files = shell.files;
    Project& p = shell.project;
    std::fill_n(p.trackBuffer.get(), 8000, Frame{5, 5});
    p.projectLoaded = true;
    p.selectionStart = 1000;
    p.selectionEnd = 1000;
    std::vector<int16_t> mono(1000, 16384);
    WriteFileBytes(files.folder.file("mono.wav"),
                   RiffFile({FmtChunk({.channels = 1, .sampleRate = 22050}), Chunk("data", SampleBytes(mono))}));
    shell.ui.fileChoices = {files.folder.file("mono.wav"), files.folder.file("mono.wav")};
    ComputeGains(p);
    ImportAudioIntoTrack(shell.context);
    EXPECT_EQ(p.trackBuffer[999], (Frame{5, 5}));
    EXPECT_NEAR(p.trackBuffer[1500].left, 16384 * 254 / 256, 2);  // the track's full volume is 254/256
    EXPECT_EQ(p.trackBuffer[1500].left, p.trackBuffer[1500].right);
    EXPECT_EQ(p.trackBuffer[5000], (Frame{5, 5}));  // 1000 frames at 22050 Hz are 2000 here
    EXPECT_NE(p.trackBuffer[2950], (Frame{5, 5}));
    EXPECT_EQ(shell.ui.progressCaption, "Importing audio");
    EXPECT_EQ(shell.ui.progressEnded, 1);
    EXPECT_EQ(p.selectionStart, 1000u);
    EXPECT_NEAR(p.selectionEnd, 3000u, 1);
    EXPECT_TRUE(shell.ui.messages.empty());

    // Cancel while it converts: nothing changes.
    shell.ui.cancelAfterProgressSteps = 0;
    shell.ui.fileChoices.push_front(files.folder.file("mono.wav"));
    p.selectionStart = p.selectionEnd = 6000;
    ImportAudioIntoTrack(shell.context);
    EXPECT_EQ(p.trackBuffer[6500], (Frame{5, 5}));
    EXPECT_EQ(p.selectionEnd, 6000u);
    EXPECT_TRUE(shell.ui.messages.empty());
    shell.ui.cancelAfterProgressSteps = SIZE_MAX;

    p.selectionStart = p.selectionEnd = 7000;
    ImportAudioIntoTrack(shell.context);
    EXPECT_NEAR(p.trackBuffer[7999].left, 16256, 2);
    EXPECT_EQ(p.selectionEnd, 8000u);
    EXPECT_EQ(shell.ui.messages.back().text, "The audio is longer than the rest of the track: it was cut at the track's end.");
}

// A dropped audio file comes in at the frame it was dropped on, as one step named Import Audio;
// a dropped project opens, whatever the case of its extension.
TEST(DropFile, AudioIsImportedWhereItFellAndAProjectOpens) {
    TempFolder folder;
    MakeSavedProject(folder.path(), folder.file("demo.jor"), 1);
    std::filesystem::rename(folder.file("demo.jor"), folder.file("demo.JOR"));
    WriteFileBytes(folder.file("clap.wav"), CanonicalWave(Constant(100, 3000, -3000)));
    Session s(folder.path());
    s.context.drop = {folder.file("demo.JOR"), 0};
    s.command(cmd::DropFile);
    ASSERT_TRUE(s.context.project.projectLoaded);
    EXPECT_EQ(s.context.project.projectPath, folder.file("demo.JOR"));

    s.context.drop = {folder.file("clap.wav"), 500};
    s.command(cmd::DropFile);
    EXPECT_EQ(s.frame(499), (Frame{0, 0}));
    EXPECT_NE(s.frame(500), (Frame{0, 0}));
    EXPECT_NE(s.frame(599), (Frame{0, 0}));
    EXPECT_EQ(s.frame(600), (Frame{0, 0}));
    s.command(cmd::Undo);
    EXPECT_EQ(s.ui.status, "Undo Import Audio");
    EXPECT_EQ(s.frame(550), (Frame{0, 0}));
}

}  // namespace
}  // namespace jorv::test
