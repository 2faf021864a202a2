#pragma once

#include <cstring>
#include <memory>

namespace jorv {

constexpr int FftSize = 4096;
constexpr int FftHop = 1024;
constexpr int FftFifoOffset = FftSize - FftHop;
constexpr int FftBins = FftSize / 2 + 1;

// The working arrays of one run of an FFT effect (about 176 KB), all 32-bit floats.
struct FftWorkspace {
    float inputFifo[FftSize];
    float outputFifo[FftSize];
    float spectrum[2 * FftSize];
    float lastPhase[FftBins];
    float phaseSum[FftBins];
    float accumulator[2 * FftSize];
    float analysisMagnitude[FftSize];
    float analysisFrequency[FftSize];
    // Frequencies for the pitch effects; each bin's own phase for the others.
    float synthesisFrequency[FftSize];
    float synthesisMagnitude[FftSize];

    void clear() { std::memset(this, 0, sizeof *this); }
};

// The pitch ratio a pass carries from frame to frame, and from the left channel's pass into the
// right's. It remembers whether it was read before anything set it: only then does a pass
// depend on the value it started from.
class CarriedRatio {
public:
    explicit CarriedRatio(double value) : value_(value) {}
    double get() {
        readBeforeSet_ = readBeforeSet_ || !set_;
        return value_;
    }
    void set(double value) {
        value_ = value;
        set_ = true;
    }
    double value() const { return value_; }
    bool readBeforeSet() const { return readBeforeSet_; }

private:
    double value_;
    bool set_ = false;
    bool readBeforeSet_ = false;
};

// What one frame's spectral step sees: the workspace and the run's pitch ratio.
struct FftFrame {
    FftWorkspace& work;
    CarriedRatio& pitchRatio;
};

// An FFT effect: changes the forward-transformed spectrum of one frame and writes bins 0..2048
// back as magnitude and phase. k1..k3 are the parameters' low bytes.
using SpectralStep = void (*)(FftFrame frame, int k1, int k2, int k3);

using FftWorkspaceAllocator = std::unique_ptr<FftWorkspace> (*)();

std::unique_ptr<FftWorkspace> AllocateFftWorkspace();

}  // namespace jorv
