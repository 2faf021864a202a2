#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Reducing samples (full scale at +-1.0) to 16 bits. With dither, triangular noise of +-1 LSB
// is added before rounding, so the error carries no trace of the signal (no harmonics of a quiet
// tone); without it, samples that already were 16-bit come back exactly. Inline: it runs once
// per sample of every import.
namespace jorv {

class SixteenBitQuantizer {
public:
    explicit SixteenBitQuantizer(bool dither) : dither_(dither) {}

    int16_t operator()(float sample) {
        // A float file may hold NaN, which is no sound (and has no integer to become).
        if (std::isnan(sample)) return 0;
        float value = sample * 32768.0f;
        if (dither_) value += triangular();
        // Round to nearest by hand: the library call costs more than the rest of the conversion.
        const float rounded = std::floor(value + 0.5f);
        return static_cast<int16_t>(std::clamp(rounded, -32768.0f, 32767.0f));
    }

private:
    // The sum of two uniform draws, in [-1, 1): xorshift64*, fast and plenty for noise one LSB
    // wide, one draw giving both parts.
    float triangular() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const uint64_t bits = state_ * 0x2545F4914F6CDD1Du;
        constexpr float Scale = 1.0f / float(1u << 24);
        return float(bits >> 40) * Scale + float((bits >> 16) & 0xFFFFFF) * Scale - 1.0f;
    }

    bool dither_;
    uint64_t state_ = 0x9E3779B97F4A7C15u;  // a fixed start: the same file converts the same way
};

}  // namespace jorv
