#include "core/TrackFileName.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/Utf16Text.h"
#include "tests/support/RecordingUiServices.h"

namespace jorv::test {
namespace {

TEST(TrackFileName, BuiltFromFolderProjectNameAndTitle) {
    EXPECT_EQ(TrackWaveFilePath("/home/me/jorv", "untitled", "Track 1"), "/home/me/jorv/untitled-Track 1.wav");
    RecordingUiServices ui;
    Track track{};
    ASSERT_TRUE(AssignTrackWaveFile(track, "/music", "song", "Bass", ui));
    EXPECT_EQ(FieldToUtf8(track.waveFile), "/music/song-Bass.wav");
}

TEST(TrackFileName, PathLongerThanTheFieldIsRefusedWithoutTouchingTheRecord) {
    RecordingUiServices ui;
    Track track{};
    // 127 characters fit with the terminator; 128 do not.
    ASSERT_TRUE(AssignTrackWaveFile(track, "/" + std::string(105, 'd'), "abcdef", "Track 1", ui));  // 1+105+1+6+1+7+4 = 125
    EXPECT_TRUE(AssignTrackWaveFile(track, "/" + std::string(107, 'd'), "abcdef", "Track 1", ui));  // 127
    EXPECT_TRUE(ui.messages.empty());
    StoreField(track.waveFile, "/keep.wav");
    const Track before = track;
    EXPECT_FALSE(AssignTrackWaveFile(track, "/" + std::string(108, 'd'), "abcdef", "Track 1", ui));  // 128
    EXPECT_EQ(std::memcmp(&track, &before, sizeof track), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Unable to complete request.");
    EXPECT_EQ(ui.messages[0].text,
              "The track's wave file path is too long for the project.  Move Jorv to a shorter folder or choose a "
              "shorter project name.");
}

TEST(TrackFileName, LengthIsCountedInUtf16UnitsNotBytes) {
    RecordingUiServices ui;
    Track track{};
    // 'é' is two bytes in UTF-8 but one unit in the field.
    std::string folder = "/";
    for (int i = 0; i < 107; ++i) folder += "\xC3\xA9";
    EXPECT_TRUE(AssignTrackWaveFile(track, folder, "abcdef", "Track 1", ui));
    EXPECT_EQ(FieldToUtf8(track.waveFile), folder + "/abcdef-Track 1.wav");
}

}  // namespace
}  // namespace jorv::test
