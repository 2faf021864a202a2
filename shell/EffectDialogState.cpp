#include "shell/EffectDialogState.h"

#include "effects/ApplyEffect.h"

namespace jorv {

const EffectInfo* OpenEffectDialog(EffectDialogState& state) {
    const EffectInfo* effect = FindEffect(state.dialogEffectId);
    if (effect && !state.keepValues) state.effectParams = effect->defaults;
    return effect;
}

void ScrollEffectParameter(EffectDialogState& state, int bar, ScrollCode code, int thumbPosition) {
    if (bar < 0 || bar > 2) return;
    int32_t& value = state.effectParams[bar];
    switch (code) {
        case ScrollCode::LineLeft:
            if (value > EffectParameterMin) --value;
            break;
        case ScrollCode::LineRight:
            if (value < EffectParameterMax) ++value;
            break;
        case ScrollCode::ThumbTrack:
        case ScrollCode::ThumbPosition: value = thumbPosition; break;
        default: break;
    }
}

std::string EffectValueText(const EffectDialogState& state, int bar) {
    const EffectInfo* effect = FindEffect(state.dialogEffectId);
    const ParameterReadout readout = effect ? effect->readouts[bar] : nullptr;
    return readout ? readout(state.effectParams, bar) : std::to_string(state.effectParams[bar]);
}

bool EffectBarEnabled(const EffectDialogState& state, int bar) {
    const EffectInfo* effect = FindEffect(state.dialogEffectId);
    return !effect || ParameterOffered(*effect, bar);
}

void AcceptEffectDialog(const EffectDialogState& state, Project& project, EffectRandom& random, UiServices& ui) {
    if (!state.pickOnly) {
        const auto& p = state.effectParams;
        const uint32_t start = project.selectionStart, end = project.selectionEnd;
        const bool showProgress = IsFftEffect(state.dialogEffectId) && end > start && end - start > ProgressShownAboveFrames;
        const EffectInfo* effect = FindEffect(state.dialogEffectId);
        const std::string caption = effect ? std::string(effect->caption) : std::string();
        EffectProgress progress;
        if (showProgress) progress = [&](int64_t done, int64_t total) { ui.showProgress(caption, done, total); };
        ApplyEffect(project, state.dialogEffectId, start, end, p[0], p[1], p[2], random, progress);
        if (showProgress) ui.endProgress();
        project.trackDirty = true;
        ui.playNotificationSound();
    }
    ui.redrawAll();
}

}  // namespace jorv
