#include "dsp/SixteenBitQuantizer.h"

#include <algorithm>
#include <cmath>

namespace jorv {

float SixteenBitQuantizer::uniform() {
    // xorshift64*: fast, and plenty for noise one LSB wide.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const uint64_t bits = (state_ * 0x2545F4914F6CDD1Du) >> 40;  // 24 bits
    return float(bits) / float(1u << 24) - 0.5f;
}

int16_t SixteenBitQuantizer::operator()(float sample) {
    float value = sample * 32768.0f;
    if (dither_) value += uniform() + uniform();
    return static_cast<int16_t>(std::clamp(std::lrint(value), -32768L, 32767L));
}

}  // namespace jorv
