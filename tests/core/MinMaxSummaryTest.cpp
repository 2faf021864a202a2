#include "core/MinMaxSummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace jorv::test {
namespace {

SampleRange BruteForce(const std::vector<Frame>& frames, uint32_t first, uint32_t end) {
    const auto [low, high] = std::minmax_element(frames.begin() + first, frames.begin() + end,
                                                 [](const Frame& a, const Frame& b) { return a.left < b.left; });
    return {low->left, high->left};
}

// Every span from random frames, short ones (inside a block) as often as long ones.
void ExpectEverySpanAgrees(const MinMaxSummary& summary, const std::vector<Frame>& frames, std::mt19937& random) {
    const auto count = uint32_t(frames.size());
    for (int k = 0; k < 2000; ++k) {
        const uint32_t first = random() % count;
        const uint32_t reach = k % 2 ? 1 + random() % 600 : 1 + random() % count;
        const uint32_t end = std::min(count, first + reach);
        ASSERT_EQ(summary.range(frames.data(), first, end), BruteForce(frames, first, end)) << first << ".." << end;
    }
    ASSERT_EQ(summary.range(frames.data(), 0, count), BruteForce(frames, 0, count));
}

// Lengths that end inside a block and inside a group, and one shorter than a block.
TEST(MinMaxSummary, AgreesWithAScanOfTheFramesOverRandomSpans) {
    std::mt19937 random(31);
    for (uint32_t count : {100u, 3 * MinMaxSummary::GroupFrames + 1000, 524288u}) {
        std::vector<Frame> frames(count);
        for (Frame& f : frames) f.left = int16_t(int(random() % 65536) - 32768);
        frames[count / 2].left = -32768;  // the extremes are kept as they are
        frames[count / 3].left = 32767;
        MinMaxSummary summary;
        summary.build(frames.data(), count);
        EXPECT_EQ(summary.frames(), count);
        ExpectEverySpanAgrees(summary, frames, random);
    }
}

// Each edit is told as the span it changed; a summary kept that way equals one built afresh and
// answers as a scan does.
TEST(MinMaxSummary, FollowsEveryEditItIsToldOf) {
    std::mt19937 random(44);
    const uint32_t count = 5 * MinMaxSummary::GroupFrames + 777;
    std::vector<Frame> frames(count, Frame{0, 0});
    MinMaxSummary kept;
    kept.build(frames.data(), count);
    for (int edit = 0; edit < 300; ++edit) {
        const uint32_t first = random() % count;
        const uint32_t end = std::min(count, first + 1 + uint32_t(random() % (edit % 3 ? 300 : 40000)));
        const auto value = int16_t(int(random() % 65536) - 32768);
        std::fill(frames.begin() + first, frames.begin() + end, Frame{value, 0});
        kept.update(frames.data(), first, end);
        if (edit % 50 == 0) {
            MinMaxSummary fresh;
            fresh.build(frames.data(), count);
            ASSERT_EQ(kept, fresh) << "edit " << edit;
        }
    }
    ExpectEverySpanAgrees(kept, frames, random);
}

}  // namespace
}  // namespace jorv::test
