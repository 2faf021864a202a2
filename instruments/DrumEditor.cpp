#include "instruments/DrumEditor.h"

#include <algorithm>
#include <cstring>

#include "core/Utf16Text.h"

namespace jorv {

namespace {

bool IsThumb(ScrollCode code) { return code == ScrollCode::ThumbTrack || code == ScrollCode::ThumbPosition; }

// The chosen pattern of the block, const when the block is; null when none is chosen.
template <typename Block>
auto* ChosenPattern(const DrumEditorState& state, Block& drums) {
    return state.currentPattern < 0 || state.currentPattern >= DrumPatternCount ? nullptr
                                                                                 : &drums.patterns[state.currentPattern];
}

bool InstrumentChosen(const DrumEditorState& state) {
    return state.currentInstrument >= 0 && state.currentInstrument < DrumInstrumentCount;
}

template <typename Pattern>
auto& Velocity(Pattern& pattern, int step, int instrument) {
    return pattern.steps[step * DrumInstrumentCount + instrument];
}

void ResetPattern(DrumPattern& pattern) {
    pattern.length = DrumSteps;
    pattern.msPerBeat = 100;
    std::fill(std::begin(pattern.steps), std::end(pattern.steps), 0);
}

// Length, tempo and steps; never the reserved bytes.
void CopyPatternContents(const DrumPattern& from, DrumPattern& to) {
    to.length = from.length;
    to.msPerBeat = from.msPerBeat;
    std::copy(std::begin(from.steps), std::end(from.steps), to.steps);
}

// Copy: the chosen pattern, or the chosen instrument's steps into column 0, to the clip.
// False when nothing was chosen to copy.
bool CopyToClip(DrumEditorState& state, const DrumPattern* pattern) {
    if (!pattern) return false;
    if (state.editScope == DrumEditScope::Pattern) {
        CopyPatternContents(*pattern, state.clipPattern);
        return true;
    }
    if (!InstrumentChosen(state)) return false;
    for (int s = 0; s < DrumSteps; ++s) Velocity(state.clipPattern, s, 0) = Velocity(*pattern, s, state.currentInstrument);
    return true;
}

}  // namespace

DrumEditorView RefreshDrumEditor(const DrumEditorState& state, const DrumBlock& drums) {
    DrumEditorView view;
    const DrumPattern* pattern = ChosenPattern(state, drums);
    if (!pattern) return view;
    view.msPerBeat = pattern->msPerBeat;
    view.length = pattern->length;
    if (!InstrumentChosen(state)) return view;
    view.velocities.emplace();
    for (int s = 0; s < DrumSteps; ++s) (*view.velocities)[s] = Velocity(*pattern, s, state.currentInstrument);
    return view;
}

bool ScrollStepBar(const DrumEditorState& state, DrumBlock& drums, int step, ScrollCode code, int position) {
    DrumPattern* pattern = ChosenPattern(state, drums);
    if (!IsThumb(code) || !pattern || !InstrumentChosen(state) || step < 0 || step >= DrumSteps) return false;
    Velocity(*pattern, step, state.currentInstrument) = static_cast<uint8_t>(std::clamp(position, 0, drumedit::MaxVelocity));
    return true;
}

bool ScrollMsPerBeat(const DrumEditorState& state, DrumBlock& drums, ScrollCode code, int position) {
    DrumPattern* pattern = ChosenPattern(state, drums);
    if (!IsThumb(code) || !pattern) return false;
    pattern->msPerBeat = static_cast<int16_t>(std::clamp(position, 1, drumedit::MaxMsPerBeat));
    return true;
}

bool ScrollPatternLength(const DrumEditorState& state, DrumBlock& drums, ScrollCode code, int position) {
    DrumPattern* pattern = ChosenPattern(state, drums);
    if (!IsThumb(code) || !pattern) return false;
    pattern->length = static_cast<int16_t>(std::clamp(position, 1, DrumSteps));
    return true;
}

std::string MsPerBeatLabel(int msPerBeat) { return "ms per beat " + std::to_string(msPerBeat); }

const char* DrumEditScopeCaption(DrumEditScope scope) {
    return scope == DrumEditScope::Instrument ? "Instrument" : "Pattern";
}

std::string ToggleDrumEditScope(DrumEditorState& state) {
    state.editScope = state.editScope == DrumEditScope::Instrument ? DrumEditScope::Pattern : DrumEditScope::Instrument;
    return DrumEditScopeCaption(state.editScope);
}

void CutDrums(DrumEditorState& state, DrumBlock& drums) {
    DrumPattern* pattern = ChosenPattern(state, drums);
    if (!CopyToClip(state, pattern)) return;
    if (state.editScope == DrumEditScope::Pattern) {
        ResetPattern(*pattern);
        return;
    }
    for (int s = 0; s < DrumSteps; ++s) Velocity(*pattern, s, state.currentInstrument) = 0;
}

void CopyDrums(DrumEditorState& state, const DrumBlock& drums) { CopyToClip(state, ChosenPattern(state, drums)); }

void PasteDrums(const DrumEditorState& state, DrumBlock& drums) {
    DrumPattern* pattern = ChosenPattern(state, drums);
    if (!pattern) return;
    if (state.editScope == DrumEditScope::Pattern) {
        CopyPatternContents(state.clipPattern, *pattern);
    } else if (InstrumentChosen(state)) {
        for (int s = 0; s < DrumSteps; ++s)
            Velocity(*pattern, s, state.currentInstrument) = state.clipPattern.steps[s * DrumInstrumentCount];
    }
}

void ClearAllDrums(DrumBlock& drums) {
    drums.songPattern[0] = 0;
    for (DrumPattern& pattern : drums.patterns) {
        ResetPattern(pattern);
        std::fill(std::begin(pattern.reserved), std::end(pattern.reserved), 0);
    }
}

void StoreSongPattern(DrumBlock& drums, std::u16string_view text) {
    StoreField(drums.songPattern, std::size(drums.songPattern), text.substr(0, std::size(drums.songPattern) - 1));
}

void AcceptDrumEdit(DrumBlock& drums, std::u16string_view songText, uint32_t& beatFrames) {
    StoreSongPattern(drums, songText);
    const DrumPattern& first = drums.patterns[0];
    // Whole frames of 44.1 per millisecond: 441 / 10 in integers truncates as the product does.
    // A pattern from a file may hold a negative length or tempo: it gives a beat of no length.
    beatFrames = static_cast<uint32_t>(std::max<int64_t>(0, int64_t{first.length} * first.msPerBeat * 441 / 10));
}

}  // namespace jorv
