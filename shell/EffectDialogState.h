#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Project.h"
#include "core/ScrollCode.h"
#include "core/UiServices.h"
#include "effects/EffectCatalogue.h"
#include "effects/EffectRandom.h"

namespace jorv {

// The parameter dialog's state, shared with the effect chain, which sets pickOnly (OK stores
// without applying) and keepValues (open with the current values, not the defaults).
struct EffectDialogState {
    std::array<int32_t, 3> effectParams{};
    EffectId dialogEffectId = 0;
    bool pickOnly = false;
    bool keepValues = false;
};

constexpr int EffectDialogOk = 1015;
constexpr int EffectDialogCancel = 1016;
constexpr int EffectParameterMin = 2;
constexpr int EffectParameterMax = 254;

// Loads the defaults unless keepValues; returns the effect's row, or null for an id without
// one (the dialog then keeps its template texts and the current values).
const EffectInfo* OpenEffectDialog(EffectDialogState& state);

// One scroll notification of parameter bar 0..2: arrows step within 2..254, the thumb goes
// where it is dragged, anything else changes nothing.
void ScrollEffectParameter(EffectDialogState& state, int bar, ScrollCode code, int thumbPosition);

// The text beside bar 0..2: the value in the effect's own unit where its row knows the
// meaning, else the plain number (an "N/A" bar, an id without a row).
std::string EffectValueText(const EffectDialogState& state, int bar);

// Whether bar 0..2 can be moved: not where the effect's label says "N/A".
bool EffectBarEnabled(const EffectDialogState& state, int bar);

// OK: unless pickOnly, applies the effect to the selection, marks the track dirty and plays the
// notification sound; then the whole window is repainted. FFT effects over more than a few
// seconds of audio show their progress.
void AcceptEffectDialog(const EffectDialogState& state, Project& project, EffectRandom& random, UiServices& ui);

// Selections longer than this show progress while an FFT effect runs.
constexpr uint32_t ProgressShownAboveFrames = 5 * WaveFormat::sampleRate;

}  // namespace jorv
