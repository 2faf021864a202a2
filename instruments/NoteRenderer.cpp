#include "instruments/NoteRenderer.h"

#include <cmath>

namespace jorv {

namespace {

// Beyond the range, the nearest end; within it, truncated toward zero.
int16_t ClampToSample(float value) {
    if (value >= 32768.0f) return MixMax;
    if (value <= -32768.0f) return MixMin;
    return static_cast<int16_t>(value);
}

}  // namespace

float PitchRatio(int note) {
    if (note < 0) return 0.0f;
    return static_cast<float>(std::exp2((note - 60) / 12.0));
}

void RenderNote(const ClipView& clip, const Canvas& canvas, uint64_t startFrame, float ratio, float gain) {
    if (canvas.framesPerTrack < 2) return;
    const uint64_t lastFrame = uint64_t{canvas.framesPerTrack} - 2;  // exclusive
    const auto length = static_cast<float>(clip.length);
    float p = 0.0f;
    for (uint64_t frame = startFrame; p < length && frame < lastFrame; ++frame, p += ratio) {
        const auto k = static_cast<uint32_t>(p);
        const float f = p - static_cast<float>(k);
        const Frame& here = clip.frames[k];
        const Frame& next = clip.frames[k + 1];
        Frame& out = canvas.frames[frame];
        out.left = ClampToSample(gain * (f * next.left + (1.0f - f) * here.left) + out.left);
        out.right = ClampToSample(gain * (f * next.right + (1.0f - f) * here.right) + out.right);
    }
}

}  // namespace jorv
