#include "app/EngineTransport.h"

#include "core/TrackBuffers.h"

namespace jorv {

void EngineTransport::closeWaveDevices(Project& project) {
    project.busy = false;
    ReleaseTrackBuffers(project);
}

}  // namespace jorv
