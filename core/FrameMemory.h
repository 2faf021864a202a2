#pragma once

#include <cstddef>
#include <memory>

#include "core/WaveFormat.h"

namespace jorv {

struct ReleaseFrames {
    void operator()(Frame* frames) const;
};

// A track-sized buffer of frames, from AllocateFrames.
using FrameBuffer = std::unique_ptr<Frame[], ReleaseFrames>;

// Memory for the given number of frames, its contents undefined, or null. The pages come from
// the system untouched; a large buffer lies in huge pages where the system offers them, so that
// filling a 4 MB track costs a few page faults instead of a thousand.
Frame* AllocateFrames(std::size_t frames);

}  // namespace jorv
