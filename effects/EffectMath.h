#pragma once

#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "effects/TrackSamples.h"

namespace jorv::fxmath {

constexpr double TwoPi = 6.283185307179586;
constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
// The angle between neighbouring points of the FFT effects' 4096-point window.
constexpr double FftAngleStep = TwoPi / 4096;
static_assert(FftAngleStep == 0.0015339807878856412);
// 1/255 as the effects store it.
constexpr float Inv255 = 1.0f / 255.0f;
constexpr int32_t SampleLimit = 32767;

inline float ToFloat(double value) { return static_cast<float>(value); }

// Limits value to -limit..+limit, testing the upper bound first; NaN stays NaN. On x86 the two
// selections are the min and max instructions, whose rules for NaN and equal operands are
// exactly these: loud material clips unpredictably, and branches would mispredict.
inline double Clamp(double value, double limit) {
#if defined(__SSE2__)
    const __m128d lowered = _mm_min_sd(_mm_set_sd(limit), _mm_set_sd(value));  // limit < value ? limit : value
    return _mm_cvtsd_f64(_mm_max_sd(_mm_set_sd(-limit), lowered));            // -limit > v ? -limit : v
#else
    value = limit < value ? limit : value;
    return value < -limit ? -limit : value;
#endif
}

// Truncates toward zero and keeps the low 16 bits, so results beyond 16 bits wrap.
inline int16_t Truncate(double value) {
    if (!(std::fabs(value) < 9.0e18)) return 0;
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<int64_t>(value)));
}

inline int16_t ClampTruncate(double value, double limit) { return Truncate(Clamp(value, limit)); }

// The angle steps of the oscillating effects start again at 0 once they pass a full turn.
inline float AdvancePhase(float phase, float step) {
    phase = ToFloat(double{phase} + step);
    return phase > TwoPi ? 0.0f : phase;
}

// Linear interpolation of channel c at frame position start + offset, reading past the
// buffer's end as silence.
inline double InterpolateAt(const TrackSamples& samples, int64_t start, double offset, int c) {
    const auto whole = static_cast<int64_t>(offset);
    const float frac = ToFloat(offset - double(whole));
    const double s0 = samples.at(2 * (start + whole) + c);
    const double s1 = samples.at(2 * (start + whole + 1) + c);
    return s0 * (1.0 - frac) + s1 * frac;
}

// Reads channel c at the fraction x of the range start..end-1.
inline double SampleAt(const TrackSamples& samples, int64_t start, int64_t end, float x, int c) {
    return InterpolateAt(samples, start, double(end - start) * x, c);
}

}  // namespace jorv::fxmath
