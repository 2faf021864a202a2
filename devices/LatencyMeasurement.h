#pragma once

#include <cstdint>
#include <string_view>

#include "devices/WaveDevice.h"

// Measuring the round trip from the outputs back to the inputs, for the Record Latency: a
// burst of noise (a maximum-length sequence at -12 dBFS) is played from a short silence on,
// the inputs are recorded meanwhile, and the noise is found in them.
namespace jorv {

inline constexpr std::string_view NoSignalMessage = "No signal came back";
inline constexpr std::string_view UnclearLatencyMessage =
    "The signal that came back was not clear enough to measure. Check that an output is connected "
    "to an input and that nothing else plays.";
inline constexpr std::string_view LatencyDevicesMessage = "The audio devices could not be opened for the measurement.";

struct LatencyMeasurement {
    enum class Outcome { Measured, NoSignal, Unclear, DevicesFailed };
    Outcome outcome = Outcome::DevicesFailed;
    int latency = 0;      // in sample values, two per frame, as the Record Latency setting keeps it
    uint32_t frames = 0;  // the round trip in frames
};

// Opens the devices, plays and records the measuring signal, and closes them; with wire (JACK)
// the outputs are wired into the inputs for the measurement and unwired after. Takes about a
// second and a half.
LatencyMeasurement MeasureLatency(WaveDevice& device, bool wire);

// The message for a measurement that failed; empty for one that succeeded.
std::string_view LatencyMessage(const LatencyMeasurement& measurement);

}  // namespace jorv
