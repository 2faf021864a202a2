#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Finding how long sound takes from an output back to an input: a maximum-length sequence is
// played, and where it lies in what came back is found by cross-correlation.
namespace jorv {

// The +-1 values of a maximum-length sequence of 2^order - 1 values (order 10..20): noise whose
// correlation with itself is a single sharp peak.
std::vector<float> MaximumLengthSequence(int order);

struct RoundTrip {
    enum class Outcome {
        Found,
        NoSignal,  // nothing, or next to nothing, came back
        Unclear,   // something came back, but the peak does not stand clearly above the rest
    };
    Outcome outcome = Outcome::NoSignal;
    int64_t lag = 0;       // frames from the probe's start in what was sent to its start in what came back
    double clarity = 0;    // the peak over the highest correlation away from it
};

// Where probe (sent from frame 0) lies in captured, at a lag of 0 to captured.size() -
// probe.size() frames. It is clear when the peak is at least four times the next highest.
RoundTrip FindRoundTrip(std::span<const float> probe, std::span<const float> captured);

}  // namespace jorv
