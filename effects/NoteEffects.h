#pragma once

#include "effects/EffectArguments.h"
#include "effects/TrackSamples.h"

namespace jorv {

// The note effects find notes by the loudness of a moving window and change each note whole.
void ApplyNoteReverse(TrackSamples samples, const EffectArguments& a);
void ApplyNoteFade(TrackSamples samples, const EffectArguments& a);
void ApplyNoteReflect(TrackSamples samples, const EffectArguments& a);
void ApplyNotePitch(TrackSamples samples, const EffectArguments& a);
// Note Wah gates between the window's high-pass and low-pass parts instead of finding notes.
void ApplyNoteWah(TrackSamples samples, const EffectArguments& a);

// The replay speed of Note Pitch for p1's low byte.
float NotePitchRatio(int k1);

}  // namespace jorv
