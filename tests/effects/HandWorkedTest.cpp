#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

// An effect over a few frames, its result worked out by hand from the algorithm.
struct HandWorked {
    const char* what;
    EffectId id;
    std::array<int32_t, 3> p;
    uint32_t start, end;
    std::vector<Frame> in, out;
};

std::vector<Frame> Ramp(int frames, Frame (*make)(int)) {
    std::vector<Frame> ramp;
    for (int f = 0; f < frames; ++f) ramp.push_back(make(f));
    return ramp;
}

const auto Squares = Ramp(5, [](int f) { return Frame{int16_t(10 * f * f), int16_t(-10 * f)}; });
const auto Tens = Ramp(6, [](int f) { return Frame{int16_t(10 * f), int16_t(10 * f + 5)}; });
const std::vector<Frame> Counting{{0, -10}, {1, -11}, {2, -12}};

const HandWorked Cases[] = {
    // Pan 128 leaves the left at 0.9921875; results are truncated toward zero, then clamped.
    {"Gain scales by p1/128 and clamps at the cutoff", fx::Gain, {128, 254, 128}, 0, 3,
     {{1000, 1000}, {-1001, 32767}, {32767, -32767}}, {{992, 1000}, {-993, 32512}, {32511, -32512}}},
    {"Gain reads the whole p1 and p2; pan 0 silences the right", fx::Gain, {384, 300, 0}, 0, 1,
     {{1000, 1000}}, {{3000, 0}}},
    {"Compression follows sqrt(|x|) * 128 up to the cutoff", fx::Compression, {128, 128, 127}, 0, 3,
     {{0, 100}, {-1, 32767}, {-32767, 4}}, {{0, 1270}, {-128, 16384}, {-16384, 254}}},
    // 10000 / 255 * 2pi / 128 is 1.925 radians, whose cosine is -0.3468.
    {"Distortion folds through a cosine", fx::Distortion, {128, 254, 127}, 0, 1, {{32767, 10000}}, {{32512, -3441}}},
    {"Fade steps from the start gain toward the end gain", fx::Fade, {254, 2, 0}, 0, 2,
     {{10000, 10000}, {10000, 10000}}, {{9960, 0}, {5019, 0}}},
    {"Fade with equal volumes holds one level", fx::Fade, {100, 100, 127}, 0, 2, {{-20000, 20000}, {-20000, 20000}},
     {{-7843, 7781}, {-7843, 7781}}},
    {"Fade clamps a whole p1 above full volume", fx::Fade, {510, 510, 127}, 0, 1, {{30000, -30000}}, {{32767, -32767}}},
    // With depth 0 the voice is the frame itself; pan 0 adds nothing to the right.
    {"Chorus 2 adds each frame to itself but the last", fx::Chorus2, {128, 0, 0}, 0, 3, {{1000, 20000}, {1000, 20000}, {1000, 20000}},
     {{2000, 20000}, {2000, 20000}, {1000, 20000}}},
    // The second voice of each channel takes the other channel's pan factor, then clamps.
    {"Chorus 3 adds a voice at the other pan", fx::Chorus3, {128, 0, 127}, 0, 2, {{1000, 20000}, {1000, 20000}},
     {{2992, 32767}, {1000, 20000}}},
    {"Vibe Amplitude starts at phase 0", fx::VibeAmplitude, {128, 128, 0}, 0, 1, {{1000, 1000}}, {{2000, 1000}}},
    {"Ring starts at phase 0", fx::Ring, {128, 2, 128}, 0, 1, {{1000, 1000}}, {{1992, 2000}}},
    // The right channel runs a quarter period ahead: half the depth at phase 0.
    {"Bounce Pan's right leads by a quarter turn", fx::BouncePan, {128, 255, 127}, 0, 1, {{1000, 1000}}, {{1000, 496}}},
    {"Bounce Pan with depth 0 only applies the pan factors", fx::BouncePan, {254, 0, 128}, 0, 2,
     {{32767, -32767}, {32767, -32767}}, {{32511, -32767}, {32511, -32767}}},
    {"Reverse of one frame changes nothing", fx::Reverse, {2, 2, 2}, 1, 2, Counting, Counting},
    {"Reverse of three frames swaps the outer two", fx::Reverse, {2, 2, 2}, 0, 3, Counting,
     {{2, -12}, {1, -11}, {0, -10}}},
    {"Negate keeps the difference of the channels within range", fx::Negate, {2, 2, 2}, 0, 3,
     {{20000, -20000}, {-20000, 20000}, {300, 1000}}, {{32767, 32767}, {-32767, -32767}, {-700, -700}}},
    {"Monotonize with pan 0 takes the left", fx::Monotonize, {2, 2, 0}, 0, 1, {{1000, -3000}}, {{1000, 1000}}},
    {"Monotonize with pan 255 takes the right", fx::Monotonize, {2, 2, 255}, 0, 1, {{1000, -3000}}, {{-3000, -3000}}},
    // (-3000 + 1000 * 0.9921875) / 1.9921875
    {"Monotonize weights the channels by the pan", fx::Monotonize, {2, 2, 128}, 0, 1, {{1000, -3000}}, {{-1007, -1007}}},
    {"Low Pass with a two-frame window averages each frame with the next", fx::LowPass, {254, 2, 127}, 0, 5, Squares,
     {{0, 0}, {25, -14}, {65, -24}, {125, -34}, {160, -40}}},
    // A window of three frames centred on frame 2; 32767 + 10923 wraps to -21846.
    {"Hi Pass keeps what is above the mean and wraps", fx::HiPass, {253, 2, 127}, 0, 4,
     {{0, 0}, {-32768, 0}, {32767, 300}, {-32768, 0}}, {{0, 0}, {-32768, 0}, {-21846, 198}, {-32768, 0}}},
    // The range's first value keeps its value; every later one takes the value before it.
    {"Shift by an odd fine step moves every value up one position", fx::Shift, {129, 1, 128}, 1, 5, Tens,
     {{0, 5}, {10, 10}, {15, 20}, {25, 30}, {35, 40}, {50, 55}}},
};

TEST(HandWorked, SmallInputsGiveTheWorkedResults) {
    for (const HandWorked& c : Cases) {
        test::EffectBuffer buffer(uint32_t(c.in.size()));
        for (std::size_t f = 0; f < c.in.size(); ++f) buffer.frame(uint32_t(f)) = c.in[f];
        buffer.apply(c.id, c.start, c.end, c.p[0], c.p[1], c.p[2]);
        const std::vector<Frame> out(buffer.project.trackBuffer.get(), buffer.project.trackBuffer.get() + c.in.size());
        EXPECT_EQ(out, c.out) << c.what;
    }
}

}  // namespace
}  // namespace jorv
