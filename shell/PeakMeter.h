#pragma once

#include "devices/PeakLevels.h"

namespace jorv {

// What one stereo level meter shows, in dB below full scale from MeterFloorDb to 0: each
// channel's level jumps up to a peak and falls back slowly, the highest peak stays marked for
// HoldSeconds, and the clip light stays lit from a full-scale sample until it is cleared.
class PeakMeter {
public:
    static constexpr double MeterFloorDb = -60.0;
    static constexpr double FallDbPerSecond = 24.0;
    static constexpr double HoldSeconds = 1.5;

    struct Channel {
        double levelDb = MeterFloorDb;
        double holdDb = MeterFloorDb;
        double heldSeconds = 0.0;
    };

    // The peaks of the last elapsedSeconds; returns whether anything shown changed.
    bool show(const StereoPeak& peak, double elapsedSeconds);
    void clearClip() { clipped_ = false; }

    const Channel& left() const { return left_; }
    const Channel& right() const { return right_; }
    bool clipped() const { return clipped_; }

private:
    Channel left_, right_;
    bool clipped_ = false;
};

// A sample magnitude (0..32768) in dB below full scale, no lower than the meter's floor.
double MagnitudeToDb(uint32_t magnitude);

}  // namespace jorv
