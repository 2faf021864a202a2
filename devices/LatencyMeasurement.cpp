#include "devices/LatencyMeasurement.h"

#include <chrono>
#include <thread>
#include <vector>

#include "dsp/RoundTrip.h"

namespace jorv {

namespace {

constexpr uint32_t LeadFrames = 4410;
constexpr int SequenceOrder = 15;  // 32767 frames, three quarters of a second
constexpr float Level = 0.25f;     // -12 dBFS: loud enough to stand out, safe for speakers
constexpr uint32_t LongestRoundTrip = 22050;  // half a second

// Plays probe and records as much, waiting for the end of the buffer.
std::vector<Frame> PlayAndCapture(WaveDevice& device, const std::vector<Frame>& probe) {
    std::vector<Frame> captured(probe.size(), Frame{0, 0});
    const auto frames = uint32_t(probe.size());
    if (!device.playAndRecord(probe.data(), frames, captured.data(), frames)) return {};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!device.takeBufferDone() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    device.reset();
    return captured;
}

std::vector<float> BothChannels(const std::vector<Frame>& frames) {
    std::vector<float> mono(frames.size());
    for (std::size_t k = 0; k < frames.size(); ++k) mono[k] = float(frames[k].left + frames[k].right) / 65536.0f;
    return mono;
}

}  // namespace

LatencyMeasurement MeasureLatency(WaveDevice& device, bool wire) {
    LatencyMeasurement measurement;
    if (!device.openOutput() || !device.openInput()) {
        device.close();
        return measurement;
    }
    const std::vector<float> sequence = MaximumLengthSequence(SequenceOrder);
    std::vector<Frame> probe(LeadFrames + sequence.size() + LongestRoundTrip, Frame{0, 0});
    for (std::size_t k = 0; k < sequence.size(); ++k) {
        const auto sample = static_cast<int16_t>(sequence[k] * Level * 32767);
        probe[LeadFrames + k] = {sample, sample};
    }
    if (wire) device.wireLoopback(true);
    const std::vector<Frame> captured = PlayAndCapture(device, probe);
    if (wire) device.wireLoopback(false);
    device.close();
    if (captured.empty()) return measurement;
    const RoundTrip found = FindRoundTrip(sequence, BothChannels(captured));
    if (found.outcome == RoundTrip::Outcome::NoSignal) {
        measurement.outcome = LatencyMeasurement::Outcome::NoSignal;
    } else if (found.outcome == RoundTrip::Outcome::Unclear || found.lag < LeadFrames) {
        measurement.outcome = LatencyMeasurement::Outcome::Unclear;
    } else {
        measurement.outcome = LatencyMeasurement::Outcome::Measured;
        measurement.frames = uint32_t(found.lag - LeadFrames);
        measurement.latency = int(2 * measurement.frames);
    }
    return measurement;
}

std::string_view LatencyMessage(const LatencyMeasurement& measurement) {
    switch (measurement.outcome) {
    case LatencyMeasurement::Outcome::Measured: return {};
    case LatencyMeasurement::Outcome::NoSignal: return NoSignalMessage;
    case LatencyMeasurement::Outcome::Unclear: return UnclearLatencyMessage;
    case LatencyMeasurement::Outcome::DevicesFailed: return LatencyDevicesMessage;
    }
    return {};
}

}  // namespace jorv
