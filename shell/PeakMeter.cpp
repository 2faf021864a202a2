#include "shell/PeakMeter.h"

#include <algorithm>
#include <cmath>

namespace jorv {

namespace {

constexpr double FullScaleMagnitude = 32768.0;

bool Follow(PeakMeter::Channel& channel, double peakDb, double elapsedSeconds) {
    const PeakMeter::Channel before = channel;
    channel.levelDb = std::max({peakDb, channel.levelDb - PeakMeter::FallDbPerSecond * elapsedSeconds,
                                PeakMeter::MeterFloorDb});
    channel.heldSeconds += elapsedSeconds;
    if (peakDb >= channel.holdDb || channel.heldSeconds > PeakMeter::HoldSeconds) {
        channel.holdDb = std::max(peakDb, channel.levelDb);
        channel.heldSeconds = 0.0;
    }
    return channel.levelDb != before.levelDb || channel.holdDb != before.holdDb;
}

}  // namespace

double MagnitudeToDb(uint32_t magnitude) {
    if (magnitude == 0) return PeakMeter::MeterFloorDb;
    return std::max(PeakMeter::MeterFloorDb, 20.0 * std::log10(magnitude / FullScaleMagnitude));
}

bool PeakMeter::show(const StereoPeak& peak, double elapsedSeconds) {
    const bool wasClipped = clipped_;
    clipped_ = clipped_ || peak.clipped;
    const bool leftMoved = Follow(left_, MagnitudeToDb(peak.left), elapsedSeconds);
    const bool rightMoved = Follow(right_, MagnitudeToDb(peak.right), elapsedSeconds);
    return leftMoved || rightMoved || clipped_ != wasClipped;
}

}  // namespace jorv
