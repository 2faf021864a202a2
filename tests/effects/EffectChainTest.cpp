#include "effects/EffectChain.h"

#include <gtest/gtest.h>

#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingUiServices.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr int32_t ReverseRow = 33;

struct BlendTest : ::testing::Test {
    // scratchBuffer holds the untouched audio (1000, -1000), trackBuffer the processed (3000, 3000).
    void prepare(uint32_t frames) {
        std::fill_n(f.project.scratchBuffer.get(), frames, Frame{1000, -1000});
        std::fill_n(f.project.trackBuffer.get(), Frames, Frame{3000, 3000});
    }
    static constexpr uint32_t Frames = 40000;
    ProjectFixture f{Frames};
    Frame at(uint32_t k) const { return f.project.trackBuffer[k]; }
};

TEST_F(BlendTest, TheOriginalEndLeavesTheAudioAsItWasAndTheFxEndGivesTheEffect) {
    prepare(30000);
    BlendRange(f.project, 0, 30000, 0);
    for (uint32_t k : {0u, 4000u, 8417u, 15000u, 29999u}) EXPECT_NEAR(at(k).left, 1000, 1) << k;
    prepare(30000);
    BlendRange(f.project, 0, 30000, 255);
    EXPECT_EQ(at(0), (Frame{1000, -1000}));  // the first frame is always untouched
    EXPECT_NEAR(at(4208).left, 2000, 2);      // halfway up the ramp
    EXPECT_NEAR(at(15000).left, 3000, 2);
    EXPECT_NEAR(at(15000).right, 3000, 2);
    EXPECT_NEAR(at(29999).left, 1000, 2);      // back down at the end
    EXPECT_EQ(at(30000), (Frame{3000, 3000})); // after the range nothing changes
}

TEST_F(BlendTest, HalfABlendKeepsTheLevelOnThePlateauAndAShortRangePeaksInTheMiddle) {
    prepare(30000);
    BlendRange(f.project, 0, 30000, 128);
    EXPECT_NEAR(at(15000).left, 1000 * 127.0 / 255 + 3000 * 128.0 / 255, 2);
    EXPECT_NEAR(at(15000).right, -1000 * 127.0 / 255 + 3000 * 128.0 / 255, 2);
    prepare(1000);
    BlendRange(f.project, 0, 1000, 255);
    EXPECT_LT(at(250).left, at(499).left);
    EXPECT_NEAR(at(500).left, 3000, 10);
    EXPECT_GT(at(500).left, at(750).left);
}

TEST(EffectChain, ListOperationsKeepOrderAndRefuseWhatCannotBe) {
    EffectChain chain = NewEffectChain();
    EXPECT_EQ(chain.blend, 128);
    for (int32_t row = 0; row < 17; ++row) AddChainItem(chain, {row, 1, 2, 3});
    EXPECT_EQ(chain.chainCount, 16);
    MoveChainItemUp(chain, 0);
    MoveChainItemDown(chain, 15);
    EXPECT_EQ(chain.chainItems[0].effectRow, 0);
    MoveChainItemDown(chain, 0);
    EXPECT_EQ(chain.chainItems[0].effectRow, 1);
    EXPECT_EQ(chain.chainItems[1].effectRow, 0);
    RemoveChainItem(chain, 0);
    EXPECT_EQ(chain.chainCount, 15);
    EXPECT_EQ(chain.chainItems[0].effectRow, 0);
    EXPECT_EQ(chain.chainItems[14].effectRow, 15);
    RemoveChainItem(chain, 15);
    EXPECT_EQ(chain.chainCount, 15);
}

TEST(EffectChain, AppliesEachItemOnTheLastOnesResult) {
    ProjectFixture f{100};
    const std::vector<Frame> ramp = Ramp(100, 10);
    std::copy(ramp.begin(), ramp.end(), f.project.trackBuffer.get());
    EffectChain chain = NewEffectChain();
    chain.blend = 255;
    AddChainItem(chain, {ReverseRow, 128, 128, 128});
    AddChainItem(chain, {ReverseRow, 128, 128, 128});
    EffectRandom random;
    std::vector<int> progress;
    EXPECT_EQ(ApplyChainToRange(f.project, chain, 0, 100, random, [&](int i) { progress.push_back(i); }), 2);
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));
    EXPECT_NEAR(f.project.trackBuffer[50].left, ramp[50].left, 1);  // reversed twice, at the blend's peak
    EXPECT_EQ(ApplyChainToRange(f.project, NewEffectChain(), 0, 100, random), 0);
}

}  // namespace
}  // namespace jorv::test
