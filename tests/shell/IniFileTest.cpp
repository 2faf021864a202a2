#include "shell/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "shell/Settings.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

TEST(ReadSettings, AMissingFileOrAFifoGivesTheDefaults) {
    TempFolder folder;
    Settings settings;
    settings.audioMixerPath = "changed";
    settings.recordLatency = 9;
    ReadSettings(settings, folder.file("jorv.ini"));
    ASSERT_EQ(::mkfifo(folder.file("fifo.ini").c_str(), 0644), 0);  // read plainly, it would block
    ReadSettings(settings, folder.file("fifo.ini"));
    EXPECT_EQ(settings.audioMixerPath, "SNDVOL32.EXE");
    EXPECT_EQ(settings.recordLatency, 0);
}

TEST(ReadSettings, ReadsTheJorvSectionOnlyAndKeepsTheBufferCapacityUntilOptionsIsAccepted) {
    TempFolder folder;
    const std::string ini = folder.file("jorv.ini");
    WriteFileText(ini,
                  "[Other]\r\nLatency=77\r\n"
                  "[jorv]\r\n; a comment\r\n"
                  "AudioMixer = pavucontrol \r\nmidisequencer=\"/opt/seq/bin/seq\"\r\n"
                  "MidiInDev=2\r\nMidiBufSel=3\r\nLatency=1024 samples\r\n");
    Settings settings;
    ReadSettings(settings, ini);
    EXPECT_EQ(settings.audioMixerPath, "pavucontrol");
    EXPECT_EQ(settings.midiSequencerPath, "/opt/seq/bin/seq");
    EXPECT_EQ(settings.midiInDevice, 2);
    EXPECT_EQ(settings.midiBufferChoice, 3);
    EXPECT_EQ(settings.recordLatency, 1024);
    EXPECT_EQ(settings.midiBufferEntries, 65536);
}

TEST(IniFile, NumbersAreTheirLeadingDigitsAndAnEmptyValueIsNotMissing) {
    TempFolder folder;
    const std::string ini = folder.file("x.ini");
    WriteFileText(ini, "[Jorv]\nA=abc\nB=-5\nC=\nD=+12x\nE=99999999999999\n");
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "A", 7), 0);
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "B", 7), 0);
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "C", 7), 0);
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "D", 7), 12);
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "E", 7), 0x7FFFFFFF);
    EXPECT_EQ(ReadIniInt(ini, "Jorv", "Missing", 7), 7);
    EXPECT_EQ(ReadIniString(ini, "Jorv", "C", "default"), "");
    EXPECT_EQ(LeadingNumber("  42  "), 42);
    EXPECT_EQ(LeadingNumber("-"), std::nullopt);
}

}  // namespace
}  // namespace jorv::test
