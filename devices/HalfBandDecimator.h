#pragma once

#include <array>
#include <cstdint>

namespace jorv {

// Halves the sample rate of an interleaved stereo stream with a windowed-sinc half-band
// low-pass, so that nothing above the new Nyquist frequency folds back. Its delay is constant:
// Taps / 2 input frames. Keeps no more state than its delay lines; never allocates.
// The taps of a windowed-sinc half-band low-pass (cut-off at a quarter of the rate) that sum to
// one; also what doubles a rate.
inline constexpr int HalfBandTaps = 31;
const std::array<float, HalfBandTaps>& HalfBandCoefficients();

class HalfBandDecimator {
public:
    static constexpr int Taps = HalfBandTaps;
    // Reads 2 x outFrames input frames and writes outFrames output frames.
    void process(const float* in, float* out, uint32_t outFrames);

private:
    float filter(int channel) const;
    void push(const float* frame);

    std::array<std::array<float, Taps>, 2> history_{};  // circular, per channel
    int newest_ = 0;
};

}  // namespace jorv
