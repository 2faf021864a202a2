#include "core/Mixing.h"

#include <algorithm>
#include <cstring>

namespace jorv {

namespace {

// An arithmetic shift floors negative products, as the fixed-point gains require.
inline int32_t Scale(int16_t sample, int32_t gain) { return (int32_t{sample} * gain) >> 8; }

inline int16_t SaturatingAdd(int16_t existing, int32_t addition) {
    return static_cast<int16_t>(std::clamp(int32_t{existing} + addition, MixMin, MixMax));
}

}  // namespace

void MixInto(const Project& project, const Frame* source, Frame* destination, uint32_t from, uint32_t to,
             uint32_t offset, int trackIndex, bool add) {
    if (from >= to) return;
    const bool muted = project.block.tracks[trackIndex].mute != 0;
    const int32_t gainLeft = muted ? 0 : project.gainLeft[trackIndex];
    const int32_t gainRight = muted ? 0 : project.gainRight[trackIndex];
    const Frame* src = source + from;
    Frame* dst = destination + offset;
    const uint32_t count = to - from;
    if (add) {
        for (uint32_t k = 0; k < count; ++k) {
            dst[k].left = SaturatingAdd(dst[k].left, Scale(src[k].left, gainLeft));
            dst[k].right = SaturatingAdd(dst[k].right, Scale(src[k].right, gainRight));
        }
    } else {
        for (uint32_t k = 0; k < count; ++k) {
            dst[k].left = static_cast<int16_t>(Scale(src[k].left, gainLeft));
            dst[k].right = static_cast<int16_t>(Scale(src[k].right, gainRight));
        }
    }
}

void ClearFrames(Frame* buffer, uint32_t from, uint32_t to) {
    if (from >= to) return;
    std::memset(buffer + from, 0, std::size_t{to - from} * sizeof(Frame));
}

}  // namespace jorv
