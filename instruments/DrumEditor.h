#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/ProjectBlock.h"
#include "core/ScrollCode.h"

// What the Drum Edit dialog's controls do to the drum block, without the dialog.
namespace jorv {

enum class DrumEditScope { Instrument, Pattern };

// The editor's own state; it lasts as long as the program and outlives each opening.
struct DrumEditorState {
    int32_t currentPattern = -1;     // -1: none chosen
    int32_t currentInstrument = -1;  // -1: none chosen
    DrumEditScope editScope = DrumEditScope::Instrument;
    DrumPattern clipPattern{};
};

// Control ids of the Drum Edit dialog.
namespace drumedit {
constexpr int InstrumentCombo = 1032, PatternCombo = 1033, FirstStepBar = 1034, MsPerBeatBar = 1066;
constexpr int Load = 1100, Save = 1101, ClearAll = 1102, Audition = 1103, MsPerBeatLabel = 1099;
constexpr int ScopeButton = 1108, Cut = 1109, Copy = 1110, Paste = 1111, SongPattern = 1112;
constexpr int LengthBar = 1113, StopAudition = 1114, Ok = 1;
constexpr int MaxVelocity = 127, MaxMsPerBeat = 200;
}  // namespace drumedit

// What the controls show after a refresh; a value is absent when its bar is left as it is.
struct DrumEditorView {
    std::optional<std::array<int, DrumSteps>> velocities;  // a pattern and an instrument chosen
    std::optional<int> msPerBeat;                          // a pattern chosen
    std::optional<int> length;
};
DrumEditorView RefreshDrumEditor(const DrumEditorState& state, const DrumBlock& drums);

// Only dragging or releasing a thumb stores a value, and only with a pattern (and for a step,
// an instrument) chosen. Each returns whether it stored.
bool ScrollStepBar(const DrumEditorState& state, DrumBlock& drums, int step, ScrollCode code, int position);
bool ScrollMsPerBeat(const DrumEditorState& state, DrumBlock& drums, ScrollCode code, int position);
bool ScrollPatternLength(const DrumEditorState& state, DrumBlock& drums, ScrollCode code, int position);
std::string MsPerBeatLabel(int msPerBeat);

// The scope button: switches the scope and gives the button's new caption.
std::string ToggleDrumEditScope(DrumEditorState& state);
const char* DrumEditScopeCaption(DrumEditScope scope);

// The editor's clipboard: one instrument's steps (in column 0) or a whole pattern.
void CutDrums(DrumEditorState& state, DrumBlock& drums);
void CopyDrums(DrumEditorState& state, const DrumBlock& drums);
void PasteDrums(const DrumEditorState& state, DrumBlock& drums);

// Every pattern back to 32 silent steps of 100 ms, the song empty.
void ClearAllDrums(DrumBlock& drums);
// The song pattern takes the box's text, at most 127 characters.
void StoreSongPattern(DrumBlock& drums, std::u16string_view text);
// OK: stores the song and sets the beat length from pattern 0.
void AcceptDrumEdit(DrumBlock& drums, std::u16string_view songText, uint32_t& beatFrames);

}  // namespace jorv
