#include "core/Gains.h"

#include <gtest/gtest.h>

namespace jorv {
namespace {

struct GainCase {
    uint16_t volume, pan;
    int32_t left, right;
};

TEST(ComputeGains, FollowsVolumeAndPanLawOnEveryRecord) {
    const GainCase cases[] = {
        {255, 127, 254, 254}, {255, 0, 254, 127}, {255, 255, 137, 254}, {0, 127, 0, 0},
        {255, 200, 192, 254}, {255, 138, 254, 254}, {255, 139, 253, 254}, {128, 127, 127, 127},
        {1, 127, 0, 0},
    };
    Project project;
    for (int t = 0; t < MaxTracks; ++t) {
        const GainCase& c = cases[t % std::size(cases)];
        project.block.tracks[t].volume = c.volume;
        project.block.tracks[t].pan = c.pan;
    }
    project.block.header.trackCount = 1;  // records beyond the count get gains too
    ComputeGains(project);
    for (int t = 0; t < MaxTracks; ++t) {
        const GainCase& c = cases[t % std::size(cases)];
        EXPECT_EQ(project.gainLeft[t], c.left) << "volume " << c.volume << " pan " << c.pan;
        EXPECT_EQ(project.gainRight[t], c.right) << "volume " << c.volume << " pan " << c.pan;
    }
}

}  // namespace
}  // namespace jorv
