#pragma once

#include <cstddef>
#include <functional>

#include "core/Project.h"
#include "core/UiServices.h"

namespace jorv {

// Obtains memory for a buffer of the given number of frames, or returns null.
using FrameAllocator = std::function<Frame*(std::size_t frames)>;

inline constexpr std::string_view BufferMemoryMessage =
    "Not enough memory for the track buffers.  Choose less memory per track.";

// Releases any buffers of a previous size, then creates the three buffers of
// memPerTrackMB x 262144 frames and clears trackDirty without writing anything. When the
// memory cannot be obtained it shows a message, leaves no buffers and no project loaded, and
// returns false.
bool CreateTrackBuffers(Project& project, int memPerTrackMB, UiServices& ui,
                        const FrameAllocator& allocate = AllocateFrames);
void ReleaseTrackBuffers(Project& project);

}  // namespace jorv
