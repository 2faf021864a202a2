#pragma once

#include <functional>
#include <string_view>

#include "shell/AppContext.h"
#include "effects/EffectChain.h"

// The FX List dialog's buttons that reach beyond the chain: the parameter dialog, the track,
// the wave output and the files.
namespace jorv {

// Shows what is being done: "Applying effects.", then "Effects Applied: N".
using ChainProgress = std::function<void(std::string_view text)>;

// ">": picks the parameters of catalogue row `row` in the parameter dialog (OK or Cancel, the
// values as the bars left them) and appends the item. Nothing once 16 items are chosen.
void AddChainEffect(AppContext& context, EffectChain& chain, int row);
// A double click: the item's values in the parameter dialog, then back into the item.
void EditChainEffect(AppContext& context, EffectChain& chain, int index);

// OK: applies the chain over the selection and marks the track changed (nothing when empty).
void ApplyFxList(AppContext& context, const EffectChain& chain, const ChainProgress& show);

// Audition: up to three seconds from the middle of the selection, processed, played from the
// scratch buffer while pump() keeps the window alive; the wait ends at the window's end, or a
// second after the time it should take when the output does not move. The track is left
// exactly as it was. Returns whether anything played.
bool AuditionFxList(AppContext& context, const EffectChain& chain, const ChainProgress& show,
                    const std::function<void()>& pump);

void SaveFxList(AppContext& context, const EffectChain& chain);
bool LoadFxList(AppContext& context, EffectChain& chain);

}  // namespace jorv
