#include "core/Mixing.h"

#include <algorithm>
#include <cstring>

#include "core/ZeroMemory.h"

namespace jorv {

namespace {

// An arithmetic shift floors negative products, as the fixed-point gains require.
inline int32_t Scale(int16_t sample, int32_t gain) { return (int32_t{sample} * gain) >> 8; }

inline int16_t SaturatingAdd(int16_t existing, int32_t addition) {
    const int32_t sum = int32_t{existing} + addition;
    return static_cast<int16_t>(sum < MixMin ? MixMin : sum > MixMax ? MixMax : sum);
}

}  // namespace

void MixInto(const Project& project, const Frame* source, Frame* destination, uint32_t from, uint32_t to,
             uint32_t offset, int trackIndex, bool add) {
    if (from >= to) return;
    const bool muted = project.block.tracks[trackIndex].mute != 0;
    const int32_t gainLeft = muted ? 0 : project.gainLeft[trackIndex];
    const int32_t gainRight = muted ? 0 : project.gainRight[trackIndex];
    // Plain sample arrays, left and right alternating, so that the loops vectorise.
    const int16_t* src = &source[from].left;
    int16_t* dst = &destination[offset].left;
    const std::size_t values = std::size_t{to - from} * 2;
    if (add) {
        for (std::size_t i = 0; i < values; i += 2) {
            dst[i] = SaturatingAdd(dst[i], Scale(src[i], gainLeft));
            dst[i + 1] = SaturatingAdd(dst[i + 1], Scale(src[i + 1], gainRight));
        }
    } else {
        for (std::size_t i = 0; i < values; i += 2) {
            dst[i] = static_cast<int16_t>(Scale(src[i], gainLeft));
            dst[i + 1] = static_cast<int16_t>(Scale(src[i + 1], gainRight));
        }
    }
}

void ClearFrames(Frame* buffer, uint32_t from, uint32_t to) {
    if (from >= to) return;
    ZeroMemory(buffer + from, std::size_t{to - from} * sizeof(Frame));
}

}  // namespace jorv
