#include "effects/WindowFilters.h"

#include "effects/EffectMath.h"
#include "effects/MovingWindow.h"

namespace jorv {

using namespace fxmath;

int GateWindowFrames(int k1) { return (260 - k1) / 2; }

float GateRate(int w) { return ToFloat(0.01 / (w + 1)); }

void ApplyLowPass(TrackSamples samples, const EffectArguments& a) {
    const int w = 256 - a.k1();
    SlideWindow(samples, a.start, a.end, w, [&](int64_t c, const WindowSums& sums) {
        samples.values[2 * c] = Truncate(sums.left / w * a.panLeft);
        samples.values[2 * c + 1] = Truncate(sums.right / w * a.panRight);
    });
}

void ApplyHiPass(TrackSamples samples, const EffectArguments& a) {
    const int w = 256 - a.k1();
    SlideWindow(samples, a.start, a.end, w, [&](int64_t c, const WindowSums& sums) {
        int16_t* v = samples.values + 2 * c;
        v[0] = Truncate((v[0] - sums.left / w) * a.panLeft);
        v[1] = Truncate((v[1] - sums.right / w) * a.panRight);
    });
}

// A gate per channel slides between the signal (open) and its moving average (closed): it
// closes while the window's absolute level stays below the cutoff and opens above it.
void ApplyNoiseReduction(TrackSamples samples, const EffectArguments& a) {
    const int w = GateWindowFrames(a.k1());
    const double threshold = a.clipLevel;
    const float rate = GateRate(a.k3());
    double gateLeft = 1.0, gateRight = 1.0;
    SlideWindow(samples, a.start, a.end, w, [&](int64_t c, const WindowSums& sums) {
        SlideGate(gateLeft, sums.absLeft, threshold, rate);
        SlideGate(gateRight, sums.absRight, threshold, rate);
        int16_t* v = samples.values + 2 * c;
        v[0] = Truncate(v[0] * gateLeft + sums.left / w * (1.0 - gateLeft));
        v[1] = Truncate(v[1] * gateRight + sums.right / w * (1.0 - gateRight));
    });
}

}  // namespace jorv
