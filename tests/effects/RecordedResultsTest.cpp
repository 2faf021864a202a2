// Results recorded (as FNV-1a hashes of every value) from the plain versions of the effects
// that were later made faster: tables of per-value results, oscillators computed for one turn,
// branch-free clamping, wide registers and a thread per channel must all give them bit for bit.
#include <gtest/gtest.h>

#include <cmath>

#include "effects/EffectMath.h"
#include "effects/OscillatorTurns.h"
#include "tests/effects/EffectBuffer.h"

namespace jorv {
namespace {

using fxmath::Pi;
using test::EffectBuffer;

uint64_t Hash(const std::vector<int16_t>& values) {
    uint64_t h = 1469598103934665603u;
    for (const int16_t v : values) h = (h ^ uint16_t(v)) * 1099511628211u;
    return h;
}

// Full-scale noise, long enough for the per-value tables, many oscillator turns and the
// channel threads.
TEST(RecordedResults, TimeDomainEffectsOverLongNoise) {
    const std::pair<EffectId, uint64_t> recorded[] = {
        {fx::Gain, 0xbb4210cfe2cbd748},      {fx::Compression, 0xbc244b52d9507760}, {fx::Distortion, 0x34811a6b524bfa14},
        {fx::Chorus2, 0x1ef5601279e3b420},   {fx::Chorus3, 0x6d06d3f13cf01ab5},     {fx::VibeAmplitude, 0xe8d7a2e201535800},
        {fx::BouncePan, 0x61e0600aeea7cd13}, {fx::Ring, 0x20b2b94a448528e1},        {fx::BandPass, 0x27a8d730a243011c},
        {fx::Resonate, 0x9f96dae6e52bb7ad},
    };
    for (const auto& [id, hash] : recorded) {
        EffectBuffer buffer(100000);
        buffer.fillNoise();
        buffer.apply(id, 0, 100000, 100, 200, 90);
        EXPECT_EQ(Hash(buffer.snapshot()), hash) << id;
    }
}

// The two FFT channels run side by side; the right one starts in silence, so the pitch
// follower's right pass depends on the ratio the left pass ends with.
TEST(RecordedResults, FftEffectsOverATwoToneBuffer) {
    const std::pair<EffectId, uint64_t> recorded[] = {
        {fx::FftPitch, 0xa6feae651d5ec32d},    {fx::FftBow, 0x27d1f6bad214e630},
        {fx::FftEqualizer, 0x72c97b596e21330c}, {fx::FftPerfectPitch, 0xef9d4dd5457036b8},
        {fx::FftDigitize, 0x39c1ae37a5109428}, {fx::FftHarmonics, 0xa13bdbaa5e74677d},
        {fx::FftBassBoost, 0x62750111d7137767},
    };
    for (const auto& [id, hash] : recorded) {
        EffectBuffer buffer(40000);
        buffer.fill([](uint32_t f) {
            const auto left = int16_t(8000 * std::sin(2 * Pi * 440 * f / 44100));
            const auto right = int16_t(f < 12000 ? 0 : 6000 * std::sin(2 * Pi * 300 * f / 44100));
            return Frame{left, right};
        });
        buffer.apply(id, 0, 40000, 200, 30, 90);
        EXPECT_EQ(Hash(buffer.snapshot()), hash) << id;
    }
}

// Kept turns are read back in step with the phase, whether turns repeat, are too long to keep,
// or never move.
TEST(RecordedResults, OscillatorTurnsGiveWhatThePhaseGives) {
    for (const float step : {0.01f, 3.0e-5f, 0.0f}) {
        const auto valueOf = [](float phase) { return std::cos(double{phase}); };
        OscillatorTurns turns(step, valueOf);
        float phase = 0;
        for (int k = 0; k < 300000; ++k) {
            ASSERT_EQ(turns.value(), valueOf(phase)) << step << " " << k;
            turns.advance();
            phase = fxmath::AdvancePhase(phase, step);
        }
    }
}

// Clamping keeps its tests' order and its NaN: a negative limit gives -limit, NaN stays NaN.
TEST(RecordedResults, ClampKeepsTheOrderOfItsTests) {
    using fxmath::Clamp;
    EXPECT_EQ(Clamp(40000.0, 32767), 32767);
    EXPECT_EQ(Clamp(-40000.0, 32767), -32767);
    EXPECT_EQ(Clamp(5.0, -100), 100);
    EXPECT_EQ(Clamp(-500.0, -100), 100);
    EXPECT_TRUE(std::isnan(Clamp(std::nan(""), 100)));
    EXPECT_TRUE(std::signbit(Clamp(-0.0, 0)));
    EXPECT_EQ(Clamp(INFINITY, 7), 7);
}

}  // namespace
}  // namespace jorv
