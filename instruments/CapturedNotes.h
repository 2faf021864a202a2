#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/Project.h"
#include "core/UiServices.h"

// What the MIDI modes make of a capture: its notes, the clip and the splice into the track.
namespace jorv {

struct CapturedNote {
    uint64_t startFrame;  // from the selection start
    int note;
    int velocity;
};

// A Note On (0x90..0x9F) with a velocity above 0 starts a note; a Note Off, however it is
// sent, or any other message does not. The time stamp is taken as unsigned, at 44.1 frames
// per millisecond.
std::optional<CapturedNote> ReadCapturedNote(int32_t timeStamp, int32_t message);

// The clipboard file into scratchBuffer; its length is the frames the file holds, 0 when it
// loaded with a warning or failed, never more than framesPerTrack - 1.
uint32_t LoadClipSample(Project& project, UiServices& ui);

// The track's own file (trackFile) into scratchBuffer, the rendering on trackBuffer added over
// the selection with the track's gains (cut at the selection end), and the result in trackBuffer.
void SpliceRendering(Project& project, const std::string& trackFile, UiServices& ui);

// SK1's conversion: trackBuffer cleared as the canvas, every captured note rendered from the
// clipboard sample, then spliced into the track read from trackFile. Returns the notes read
// from the capture (each was rendered, audibly or not).
int RenderSk1(Project& project, std::span<const int32_t> entries, const std::string& trackFile, UiServices& ui);

}  // namespace jorv
