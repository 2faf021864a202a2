#pragma once

#include <cstdint>
#include <vector>

#include "core/WaveFormat.h"

// The sampler's voice: one copy of a clip, resampled for a MIDI note and added onto a canvas.
namespace jorv {

// The clip as the renderer reads it: left and right of each frame as floats, with one frame
// more than its length (what follows the clip in its buffer), made once for many notes.
class ClipSamples {
public:
    // frames must hold length + 1 frames.
    ClipSamples(const Frame* frames, uint32_t length);
    uint32_t length() const { return length_; }
    const float* interleaved() const { return samples_.data(); }

private:
    uint32_t length_;
    std::vector<float> samples_;
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
// stops two frames before the canvas ends. All arithmetic is single precision, step by step.
void RenderNote(const ClipSamples& clip, const Canvas& canvas, uint64_t startFrame, float ratio, float gain);

}  // namespace jorv
