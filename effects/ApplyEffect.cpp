#include "effects/ApplyEffect.h"

#include <algorithm>

#include "effects/AmplitudeEffects.h"
#include "effects/BandPassFilter.h"
#include "effects/DelayEffects.h"
#include "effects/FftEffects.h"
#include "effects/GrainPitchShift.h"
#include "effects/MiscEffects.h"
#include "effects/ModulationEffects.h"
#include "effects/NoteEffects.h"
#include "effects/WindowFilters.h"

namespace jorv {

namespace {

using Algorithm = void (*)(TrackSamples, const EffectArguments&);

Algorithm TimeDomainAlgorithm(EffectId id) {
    switch (id) {
        case fx::Gain: return ApplyGain;
        case fx::Compression: return ApplyCompression;
        case fx::Distortion: return ApplyDistortion;
        case fx::Fade: return ApplyFade;
        case fx::Fuzz: return ApplyFuzz;
        case fx::Chorus2: return ApplyChorus2;
        case fx::Chorus3: return ApplyChorus3;
        case fx::VibeAmplitude: return ApplyVibeAmplitude;
        case fx::BouncePan: return ApplyBouncePan;
        case fx::Ring: return ApplyRing;
        case fx::LowPass: return ApplyLowPass;
        case fx::HiPass: return ApplyHiPass;
        case fx::BandPass: return ApplyBandPass;
        case fx::NoiseReduction: return ApplyNoiseReduction;
        case fx::Shift: return ApplyShift;
        case fx::Echo: return ApplyEcho;
        case fx::Resonate: return ApplyResonate;
        case fx::Turntable: return ApplyTurntable;
        case fx::NoteReverse: return ApplyNoteReverse;
        case fx::NoteWah: return ApplyNoteWah;
        case fx::NoteFade: return ApplyNoteFade;
        case fx::NoteReflect: return ApplyNoteReflect;
        case fx::NotePitch: return ApplyNotePitch;
        case fx::Pitch: return ApplyPitch;
        case fx::Mirror: return ApplyMirror;
        case fx::Negate: return ApplyNegate;
        case fx::Reverse: return ApplyReverse;
        case fx::Monotonize: return ApplyMonotonize;
        default: return nullptr;
    }
}

}  // namespace

int32_t ApplyEffect(Project& project, EffectId id, uint32_t start, uint32_t end, int32_t p1, int32_t p2, int32_t p3,
                    const EffectProgress& progress) {
    // Compared doubled as 32-bit values: a range reaching past 2^31 frames counts as empty.
    if (2u * end <= 2u * start) return -1;
    const TrackSamples samples(project.trackBuffer.get(), project.framesPerTrack);
    const uint32_t limitedEnd = std::min(end, project.framesPerTrack);
    if (start >= limitedEnd) return 0;
    if (const Algorithm algorithm = TimeDomainAlgorithm(id)) {
        algorithm(samples, MakeEffectArguments(start, limitedEnd, p1, p2, p3));
        if (id == fx::BandPass) project.trackDirty = true;
    } else if (IsFftEffect(id)) {
        ApplyFftEffect(samples, id, start, limitedEnd, p1, p2, p3, progress);
    }
    return 0;
}

}  // namespace jorv
