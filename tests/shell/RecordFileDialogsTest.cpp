#include <gtest/gtest.h>

#include "shell/RecordFileKinds.h"
#include "effects/EffectListFile.h"
#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "tests/support/RecordingUiServices.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr int32_t FftPitchRow = 18;

TEST(EffectListFile, RoundTripsAsItsBytesAndRefusesChainsThatNameNoEffect) {
    TempFolder folder;
    RecordingUiServices ui;
    RememberedFolders folders;
    EffectChain chain = NewEffectChain();
    AddChainItem(chain, {FftPitchRow, 10, 20, 30});
    const std::string path = folder.file("chain.jfx");
    ui.fileChoices = {path};
    SaveRecord(EffectListFiles, folders, chain, "/start", ui);
    EXPECT_EQ(ui.fileRequests[0].title, "Save JFX File");
    const Bytes bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 268u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), std::string("1\0.\0000\0000\0", 8));
    EXPECT_EQ(bytes[12], 18);  // FFT Pitch is stored as its row

    EffectChain loaded = NewEffectChain();
    ui.fileChoices = {path};
    EXPECT_TRUE(LoadRecord(EffectListFiles, folders, loaded, "/start", ui));
    EXPECT_EQ(loaded.chainItems[0].p3, 30);
    EXPECT_EQ(ui.fileRequests[1].initialFolder, "/start");

    Bytes damaged = bytes;
    damaged[8] = 17;  // seventeen items
    WriteFileBytes(path, damaged);
    EXPECT_FALSE(ReadEffectListFile(loaded, path));
    damaged = bytes;
    damaged[12] = 35;  // no such row
    WriteFileBytes(path, damaged);
    ui.fileChoices = {path};
    EXPECT_FALSE(LoadRecord(EffectListFiles, folders, loaded, "/start", ui));
    EXPECT_EQ(ui.messages.back().text, "There has been an error opening the .jfx file.");
    EXPECT_EQ(loaded.chainItems[0].effectRow, FftPitchRow);
    WriteFileBytes(path, {bytes.begin(), bytes.begin() + 10});  // short: the rest stays
    EXPECT_TRUE(ReadEffectListFile(loaded, path));
    EXPECT_EQ(loaded.chainItems[0].p3, 30);
}

TEST(DrumPatternFile, SaveWritesTheBlockWholeAndLoadTakesAShortFileOverTheFront) {
    TempFolder folder;
    RecordingUiServices ui;
    RememberedFolders folders;
    DrumBlock drums{};
    InitialiseDrumBlock(drums);
    StoreSongPattern(drums, u"0120");
    const std::string path = folder.file("beat.jdp");
    ui.fileChoices = {path};
    SaveRecord(DrumPatternFiles, folders, drums, "/start", ui);
    EXPECT_EQ(ui.fileRequests[0].title, "Save Jorv Drum Pattern");
    EXPECT_EQ(ui.fileRequests[0].initialFolder, "/start");
    EXPECT_TRUE(ui.fileRequests[0].confirmOverwrite);
    const auto bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 20144u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), std::string("1\0.\0000\0000\0", 8));

    DrumBlock loaded{};
    InitialiseDrumBlock(loaded);
    loaded.patterns[9].length = 5;
    WriteFileBytes(path, {bytes.begin(), bytes.begin() + 100});
    ui.fileChoices = {path};
    EXPECT_TRUE(LoadRecord(DrumPatternFiles, folders, loaded, "/start", ui));
    EXPECT_EQ(ui.fileRequests[1].initialFolder, "/start");  // Load remembers its own folder
    EXPECT_EQ(loaded.patterns[9].length, 5);
    ui.fileChoices = {folder.file("missing.jdp"), std::nullopt};
    EXPECT_FALSE(LoadRecord(DrumPatternFiles, folders, loaded, "/start", ui));
    EXPECT_EQ(ui.textsWithCaption("Jorv Error"),
              std::vector<std::string>{"There has been an error opening the .jdp file."});
    LoadRecord(DrumPatternFiles, folders, loaded, "/start", ui);
    EXPECT_EQ(ui.fileRequests[3].initialFolder, folder.path());

    ui.fileChoices = {folder.file("no/such/folder.jdp")};
    SaveRecord(DrumPatternFiles, folders, drums, "/start", ui);
    EXPECT_EQ(ui.fileRequests[4].initialFolder, folder.path());
    EXPECT_EQ(ui.messages.back().text, "There has been a warning error saving the .jdp file.");
}

}  // namespace
}  // namespace jorv::test
