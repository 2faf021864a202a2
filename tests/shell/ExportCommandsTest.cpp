#include "shell/ExportCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Gains.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

// Save Wave writes the mix of the selection over the backing mix, in the type the name asks for,
// and says so only once it is written.
TEST(SaveWave, WritesTheMixOfTheSelectionInTheTypeItsNameAsksFor) {
    OneTrackShell shell(300);
    const ProjectFixture& files = shell.files;
    Project& p = shell.project;
    ComputeGains(p);
    std::fill_n(p.trackBuffer.get(), 300, Frame{256, 512});
    std::fill_n(p.backingMix.get(), 300, Frame{1, -1});
    p.selectionStart = 2;
    p.selectionEnd = 6;
    auto& ui = shell.ui;
    ui.status = "before";
    ui.fileChoices = {files.folder.file("gone/mix.wav"), files.folder.file("mix.wav"), files.folder.file("mix.aac"),
                      files.folder.file("mix.FLAC")};
    SaveMixdown(shell.context);
    EXPECT_TRUE(ui.fileRequests[0].confirmOverwrite);
    EXPECT_EQ(ui.fileRequests[0].filterPattern, "*.wav *.flac *.ogg *.opus *.mp3");
    EXPECT_EQ(ui.status, "before");
    SaveMixdown(shell.context);
    EXPECT_EQ(ui.status, "Saved as .wav");
    EXPECT_EQ(ReadFileBytes(files.folder.file("mix.wav")), CanonicalWave(Constant(4, 255, 507)));

    SaveMixdown(shell.context);
    EXPECT_EQ(ui.messages.back().text, "Jorv writes .wav, .flac, .ogg, .opus and .mp3 files: give the file one of these extensions.");
    EXPECT_FALSE(std::filesystem::exists(files.folder.file("mix.aac")));
    SaveMixdown(shell.context);
    EXPECT_EQ(ui.status, "Saved as .flac");
    EXPECT_FALSE(ReadFileBytes(files.folder.file("mix.FLAC")).empty());
}

}  // namespace
}  // namespace jorv::test
