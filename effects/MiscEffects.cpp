#include "effects/MiscEffects.h"

#include <algorithm>
#include <utility>

#include "effects/EffectMath.h"

namespace jorv {

using namespace fxmath;

void ReverseFrames(TrackSamples samples, int64_t first, int64_t end) {
    for (int64_t low = first, high = end - 1; low < high; ++low, --high) {
        std::swap(samples.values[2 * low], samples.values[2 * high]);
        std::swap(samples.values[2 * low + 1], samples.values[2 * high + 1]);
    }
}

void ApplyMirror(TrackSamples samples, const EffectArguments& a) {
    for (int64_t f = a.start; f < a.end; ++f) std::swap(samples.values[2 * f], samples.values[2 * f + 1]);
}

void ApplyNegate(TrackSamples samples, const EffectArguments& a) {
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        const int difference = std::clamp(v[0] - v[1], -SampleLimit, SampleLimit);
        v[0] = v[1] = int16_t(difference);
    }
}

void ApplyReverse(TrackSamples samples, const EffectArguments& a) { ReverseFrames(samples, a.start, a.end); }

void ApplyMonotonize(TrackSamples samples, const EffectArguments& a) {
    const double weights = double{a.panLeft} + a.panRight;
    for (int64_t f = a.start; f < a.end; ++f) {
        int16_t* v = samples.values + 2 * f;
        v[0] = v[1] = Truncate((v[1] * double{a.panRight} + v[0] * double{a.panLeft}) / weights);
    }
}

}  // namespace jorv
