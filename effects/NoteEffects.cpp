#include "effects/NoteEffects.h"

#include "effects/EffectMath.h"
#include "effects/MiscEffects.h"
#include "effects/MovingWindow.h"
#include "effects/WindowFilters.h"

namespace jorv {

using namespace fxmath;

namespace {

// A note starts at the first centre frame whose window level exceeds 256 * K2 and ends at the
// next one below 128 * K2; onNote(first, end) then runs for frames first..end-1. A note still
// sounding when the range ends is left alone.
template <typename OnNote>
void ScanNotes(TrackSamples samples, const EffectArguments& a, OnNote&& onNote) {
    const double startLevel = a.k2() * 256.0, endLevel = a.k2() * 128.0;
    bool inNote = false;
    int64_t noteStart = 0;
    SlideWindow(samples, a.start, a.end, GateWindowFrames(a.k1()), [&](int64_t c, const WindowSums& sums) {
        const double level = sums.absLeft + sums.absRight;
        if (!inNote && level > startLevel) {
            inNote = true;
            noteStart = c;
        }
        if (inNote && level < endLevel) {
            inNote = false;
            onNote(noteStart, c);
        }
    });
}

}  // namespace

void ApplyNoteReverse(TrackSamples samples, const EffectArguments& a) {
    ScanNotes(samples, a, [&](int64_t p, int64_t q) { ReverseFrames(samples, p, q); });
}

void ApplyNoteFade(TrackSamples samples, const EffectArguments& a) {
    const double startGain = a.k1() / 256.0;
    const double endGain = a.k2() / 256.0;
    ScanNotes(samples, a, [&](int64_t p, int64_t q) {
        const int64_t count = 2 * (q - p);
        const float step = ToFloat((endGain - startGain) / double(count));
        int16_t* v = samples.values + 2 * p;
        for (int64_t k = 0; k < count; ++k) v[k] = Truncate(v[k] * (double(k) * step + startGain));
    });
}

void ApplyNoteReflect(TrackSamples samples, const EffectArguments& a) {
    const int w = GateWindowFrames(a.k1());
    const int64_t firstCentre = a.start + (w - w / 2);
    ScanNotes(samples, a, [&](int64_t p, int64_t q) {
        for (int64_t j = 0; j <= q - p - 2; ++j) {
            const int64_t target = p - 1 - j;
            if (target <= firstCentre) continue;
            for (int c = 0; c < 2; ++c) {
                int16_t& value = samples.values[2 * target + c];
                value = int16_t(uint16_t(value + samples.values[2 * (p + j) + c]));
            }
        }
    });
}

float NotePitchRatio(int k1) {
    constexpr float Ratios[6] = {1.187f, 1.25f, 1.375f, 1.5f, 1.688f, 2.0f};
    return Ratios[k1 < 42 ? 0 : k1 < 84 ? 1 : k1 < 128 ? 2 : k1 < 170 ? 3 : k1 < 212 ? 4 : 5];
}

void ApplyNotePitch(TrackSamples samples, const EffectArguments& a) {
    const float ratio = NotePitchRatio(a.k1());
    ScanNotes(samples, a, [&](int64_t p, int64_t q) {
        const int64_t m = q - 1 - p;
        for (int64_t j = 0; j < m; ++j) {
            const auto source = static_cast<int64_t>(2.0 * double(j) * ratio * 0.5);
            int16_t* target = samples.values + 2 * (p + j);
            target[0] = source < m ? samples.values[2 * (p + source)] : 0;
            target[1] = source < m ? samples.values[2 * (p + source) + 1] : 0;
        }
    });
}

void ApplyNoteWah(TrackSamples samples, const EffectArguments& a) {
    const int w = GateWindowFrames(a.k1());
    const double threshold = a.clipLevel;
    const float rate = GateRate(a.k3());
    float gateLeft = 1.0f, gateRight = 1.0f;
    const auto mix = [](int value, double mean, double gate) { return (value - mean) * gate + (1.0 - gate) * mean; };
    SlideWindow(samples, a.start, a.end, w, [&](int64_t c, const WindowSums& sums) {
        SlideGate(gateLeft, sums.absLeft, threshold, rate);
        SlideGate(gateRight, sums.absRight, threshold, rate);
        int16_t* v = samples.values + 2 * c;
        v[0] = Truncate(mix(v[0], sums.left / w, gateLeft));
        v[1] = Truncate(mix(v[1], sums.right / w, gateRight));
    });
}

}  // namespace jorv
