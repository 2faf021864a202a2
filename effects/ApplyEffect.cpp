#include "effects/ApplyEffect.h"

#include <algorithm>

#include "effects/FftEffects.h"

namespace jorv {

EffectResult ApplyEffect(Project& project, EffectId id, uint32_t start, uint32_t end, int32_t p1, int32_t p2, int32_t p3,
                    EffectRandom& random, const EffectProgress& progress) {
    // Compared doubled as 32-bit values: a range reaching past 2^31 frames counts as empty.
    if (2u * end <= 2u * start) return EffectRangeEmpty;
    const TrackSamples samples(project.trackBuffer.get(), project.framesPerTrack);
    const uint32_t limitedEnd = std::min(end, project.framesPerTrack);
    const EffectInfo* effect = FindEffect(id);
    if (start >= limitedEnd || !effect) return EffectApplied;
    if (effect->algorithm)
        effect->algorithm(samples, MakeEffectArguments(start, limitedEnd, p1, p2, p3, random));
    else
        ApplyFftEffect(samples, effect->spectralStep, start, limitedEnd, p1, p2, p3, progress);
    return EffectApplied;
}

}  // namespace jorv
