#include "instruments/NoteRenderer.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace jorv {

namespace {

// Beyond the range, the nearest end; within it, truncated toward zero. Clamping to +-32767
// first gives the same: a value between 32767 and 32768 truncates to 32767 either way.
int16_t ClampToSample(float value) { return static_cast<int16_t>(std::min(std::max(value, -32767.0f), 32767.0f)); }

// One frame at read position p.
void RenderFrame(const float* clip, float p, float gain, Frame& out) {
    const auto k = static_cast<uint32_t>(p);
    const float f = p - static_cast<float>(k);
    const float* here = clip + 2 * std::size_t{k};
    out.left = ClampToSample(gain * (f * here[2] + (1.0f - f) * here[0]) + out.left);
    out.right = ClampToSample(gain * (f * here[3] + (1.0f - f) * here[1]) + out.right);
}

#if defined(__SSE2__)
// Two frames at read positions p0 and p1, the same operations in the same order as RenderFrame
// on four lanes (left and right of each frame).
void RenderTwoFrames(const float* clip, float p0, float p1, __m128 gain, Frame* out) {
    const __m128 p = _mm_setr_ps(p0, p0, p1, p1);
    const __m128 f = _mm_sub_ps(p, _mm_cvtepi32_ps(_mm_cvttps_epi32(p)));  // positions stay below 2^31
    const float* here0 = clip + 2 * std::size_t{static_cast<uint32_t>(p0)};
    const float* here1 = clip + 2 * std::size_t{static_cast<uint32_t>(p1)};
    const __m128 here = _mm_loadh_pi(_mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(here0))),
                                     reinterpret_cast<const __m64*>(here1));
    const __m128 next = _mm_loadh_pi(_mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(here0 + 2))),
                                     reinterpret_cast<const __m64*>(here1 + 2));
    const __m128i existing16 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(out));
    const __m128 existing = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpacklo_epi16(existing16, existing16), 16));
    const __m128 mixed = _mm_mul_ps(f, next);
    const __m128 rest = _mm_mul_ps(_mm_sub_ps(_mm_set1_ps(1.0f), f), here);
    __m128 sum = _mm_add_ps(_mm_mul_ps(gain, _mm_add_ps(mixed, rest)), existing);
    sum = _mm_min_ps(_mm_max_ps(sum, _mm_set1_ps(-32767.0f)), _mm_set1_ps(32767.0f));
    const __m128i samples = _mm_cvttps_epi32(sum);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packs_epi32(samples, samples));
}
#endif

}  // namespace

ClipSamples::ClipSamples(const Frame* frames, uint32_t length) : length_(length), samples_(2 * std::size_t{length} + 2) {
    for (std::size_t k = 0; k <= length; ++k) {
        samples_[2 * k] = frames[k].left;
        samples_[2 * k + 1] = frames[k].right;
    }
}

float PitchRatio(int note) {
    if (note < 0) return 0.0f;
    return static_cast<float>(std::exp2((note - 60) / 12.0));
}

void RenderNote(const ClipSamples& clip, const Canvas& canvas, uint64_t startFrame, float ratio, float gain) {
    if (canvas.framesPerTrack < 2) return;
    const uint64_t lastFrame = uint64_t{canvas.framesPerTrack} - 2;  // exclusive
    const auto length = static_cast<float>(clip.length());
    const float* samples = clip.interleaved();
    float p = 0.0f;
    uint64_t frame = startFrame;
#if defined(__SSE2__)
    // Four frames a round while all four are inside the clip and the canvas; the read
    // positions still advance one addition at a time, as the last frames below do.
    const __m128 gains = _mm_set1_ps(gain);
    while (frame + 3 < lastFrame) {
        const float p1 = p + ratio, p2 = p1 + ratio, p3 = p2 + ratio;
        if (!(p3 < length)) break;
        RenderTwoFrames(samples, p, p1, gains, canvas.frames + frame);
        RenderTwoFrames(samples, p2, p3, gains, canvas.frames + frame + 2);
        p = p3 + ratio;
        frame += 4;
    }
#endif
    for (; p < length && frame < lastFrame; ++frame, p += ratio) RenderFrame(samples, p, gain, canvas.frames[frame]);
}

}  // namespace jorv
