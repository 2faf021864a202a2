#pragma once

#include <cstdint>

// Reducing samples (full scale at +-1.0) to 16 bits. With dither, triangular noise of +-1 LSB
// is added before rounding, so the error carries no trace of the signal (no harmonics of a quiet
// tone); without it, samples that already were 16-bit come back exactly.
namespace jorv {

class SixteenBitQuantizer {
public:
    explicit SixteenBitQuantizer(bool dither) : dither_(dither) {}
    int16_t operator()(float sample);

private:
    float uniform();  // in [-0.5, 0.5)

    bool dither_;
    uint64_t state_ = 0x9E3779B97F4A7C15u;  // a fixed start: the same file converts the same way
};

}  // namespace jorv
