#include "devices/WaveTransport.h"

namespace jorv {

bool TransportReachedEnd(const Project& project, WaveTransport& wave) {
    const bool pastEnd = project.busy && uint64_t{project.selectionStart} + wave.playPosition() >= project.selectionEnd;
    const bool bufferDone = wave.takeBufferDone();
    return pastEnd || bufferDone;
}

}  // namespace jorv
