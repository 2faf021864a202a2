#include "core/TrackBuffers.h"

#include <new>

namespace jorv {

void ReleaseTrackBuffers(Project& project) {
    project.trackBuffer.reset();
    project.scratchBuffer.reset();
    project.backingMix.reset();
    project.framesPerTrack = 0;
}

bool CreateTrackBuffers(Project& project, int memPerTrackMB, UiServices& ui, const FrameAllocator& allocate) {
    ReleaseTrackBuffers(project);
    project.trackDirty = false;
    const bool sizeValid = memPerTrackMB > 0 && memPerTrackMB <= 4095;
    const std::size_t frames = sizeValid ? std::size_t(memPerTrackMB) * FramesPerMegabyte : 0;
    if (sizeValid) {
        project.backingMix.reset(allocate(frames));
        project.scratchBuffer.reset(allocate(frames));
        project.trackBuffer.reset(allocate(frames));
    }
    if (!project.backingMix || !project.scratchBuffer || !project.trackBuffer) {
        ReleaseTrackBuffers(project);
        project.projectLoaded = false;
        ShowError(ui, BufferMemoryMessage);
        return false;
    }
    project.framesPerTrack = static_cast<uint32_t>(frames);
    return true;
}

}  // namespace jorv
