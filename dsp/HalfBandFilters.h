#pragma once

#include <array>
#include <cstdint>
#include <vector>

// One half-band low-pass, used both ways: to halve a sample rate and to double one.
namespace jorv {

// The taps of a windowed-sinc half-band low-pass (cut-off at a quarter of the rate) that sum to
// one.
inline constexpr int HalfBandTaps = 31;
const std::array<float, HalfBandTaps>& HalfBandCoefficients();

// Halves the sample rate of an interleaved stereo stream, so that nothing above the new Nyquist
// frequency folds back. Its delay is constant: Taps / 2 input frames. Keeps no more state than
// its delay lines; never allocates.
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

// Mono samples at twice their rate, band-limited (zeros between the samples, then the half-band
// low-pass), aligned with the input: output sample 2k is input sample k's moment.
std::vector<int16_t> DoubleSampleRate(const std::vector<int16_t>& samples);

}  // namespace jorv
