#include <gtest/gtest.h>

#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using test::EffectBuffer;

TEST(Fuzz, TakesARandomShareThatGrowsWithLoudnessLeftBeforeRight) {
    EffectBuffer buffer(200);
    buffer.fillConstant(32767, 32767);
    buffer.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    // With the window at full scale the factor is 1 - r / 16384; draws 41, 18467 (the right,
    // silenced by pan 0), then 6334.
    EXPECT_EQ(buffer.frame(0).left, 32685);
    EXPECT_EQ(buffer.frame(0).right, 0);
    EXPECT_EQ(buffer.frame(1).left, 20099);

    // A second run in the same program goes on with the stream; a fresh program starts over.
    EffectBuffer second(200), fresh(200);
    second.fillConstant(32767, 32767);
    fresh.fillConstant(32767, 32767);
    second.random = buffer.random;
    second.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    fresh.apply(fx::Fuzz, 0, 200, 128, 256, 0);
    EXPECT_NE(second.snapshot(), buffer.snapshot());
    EXPECT_EQ(fresh.snapshot(), buffer.snapshot());
}

}  // namespace
}  // namespace jorv
