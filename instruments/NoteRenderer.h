#pragma once

#include <cstdint>

#include "core/WaveFormat.h"

// The sampler's voice: one copy of a clip, resampled for a MIDI note and added onto a canvas.
namespace jorv {

// The clip's frames; the frame at index length must be readable too (what follows the clip).
struct ClipView {
    const Frame* frames;
    uint32_t length;
};

struct Canvas {
    Frame* frames;
    uint32_t framesPerTrack;
};

// Equal-tempered: middle C (60) plays the clip as recorded, each octave doubles the speed;
// 0 for a negative note number.
float PitchRatio(int note);

// Adds the clip from startFrame on, read every ratio frames with linear interpolation and scaled
// by gain, with every sum clamped to -32767..32767. The note lasts length / ratio frames and
// stops two frames before the canvas ends.
void RenderNote(const ClipView& clip, const Canvas& canvas, uint64_t startFrame, float ratio, float gain);

}  // namespace jorv
