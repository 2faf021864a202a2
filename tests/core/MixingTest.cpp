#include "core/Mixing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/Gains.h"
#include "tests/support/FrameMatchers.h"

namespace jorv {
namespace {

class MixIntoTest : public ::testing::Test {
protected:
    void setGains(int track, int32_t left, int32_t right) {
        project.gainLeft[track] = left;
        project.gainRight[track] = right;
    }
    Project project;
};

TEST_F(MixIntoTest, ReplaceScalesByGainOver256RoundingTowardMinusInfinity) {
    setGains(3, 254, 127);
    const std::vector<Frame> source{{1000, 1000}, {-1000, -1000}, {-1, 1}, {32767, -32768}};
    std::vector<Frame> destination(4, Frame{5, 5});
    MixInto(project, source.data(), destination.data(), 0, 4, 0, 3, false);
    // 1000*254/256 = 992.19 and -1000*254/256 = -992.19 floor to 992 and -993; -1*254/256 floors to -1.
    EXPECT_EQ(destination, (std::vector<Frame>{{992, 496}, {-993, -497}, {-1, 0}, {32511, -16256}}));
}

TEST_F(MixIntoTest, RangeAndOffsetPickTheFramesAndNothingElseChanges) {
    setGains(0, 256, 256);
    const std::vector<Frame> source{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    std::vector<Frame> destination(6, Frame{-9, -9});
    MixInto(project, source.data(), destination.data(), 1, 4, 2, 0, false);
    EXPECT_EQ(destination, (std::vector<Frame>{{-9, -9}, {-9, -9}, {2, 2}, {3, 3}, {4, 4}, {-9, -9}}));
    MixInto(project, source.data(), destination.data(), 4, 4, 0, 0, false);
    MixInto(project, source.data(), destination.data(), 4, 2, 0, 0, true);
    EXPECT_EQ(destination[0], (Frame{-9, -9}));
}

TEST_F(MixIntoTest, AddSaturatesAtPlusAndMinus32767WithoutWrapping) {
    Track& track = project.block.tracks[0];
    track.volume = 255;
    track.pan = 127;
    ComputeGains(project);
    const std::vector<Frame> fullScale{{32767, -32768}, {20000, -20000}, {-100, 100}};
    std::vector<Frame> mix{{32767, -32767}, {20000, -20000}, {50, -50}};
    MixInto(project, fullScale.data(), mix.data(), 0, 3, 0, 0, true);
    EXPECT_EQ(mix, (std::vector<Frame>{{32767, -32767}, {32767, -32767}, {-50, 49}}));
}

TEST(ClearFrames, SilencesOnlyTheRange) {
    std::vector<Frame> buffer(5, Frame{3, 3});
    ClearFrames(buffer.data(), 1, 3);
    ClearFrames(buffer.data(), 4, 4);
    EXPECT_EQ(buffer, (std::vector<Frame>{{3, 3}, {0, 0}, {0, 0}, {3, 3}, {3, 3}}));

    // A track-sized range hands its whole pages back; the partial pages at its ends are written.
    std::vector<Frame> track(300000, Frame{5, -5});
    ClearFrames(track.data(), 1001, 299999);
    EXPECT_EQ(track[1000], (Frame{5, -5}));
    EXPECT_EQ(track[299999], (Frame{5, -5}));
    EXPECT_TRUE(std::all_of(track.begin() + 1001, track.begin() + 299999, [](Frame f) { return f == Frame{0, 0}; }));
}

}  // namespace
}  // namespace jorv
