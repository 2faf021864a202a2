#include "tests/support/ProjectFixture.h"

#include <algorithm>

#include "tests/support/WaveBytes.h"

namespace jorv::test {

ProjectFixture::ProjectFixture(uint32_t frames) {
    project.framesPerTrack = frames;
    for (FrameBuffer* b : {&project.trackBuffer, &project.scratchBuffer, &project.backingMix}) {
        b->reset(AllocateFrames(frames));
        std::fill_n(b->get(), frames, Frame{1234, -1234});  // undefined contents, as after creation
    }
    project.exeDir = folder.path();
    StoreField(project.block.header.name, "song");
}

int ProjectFixture::addTrack() {
    const int index = project.block.header.trackCount++;
    Track& track = project.block.tracks[index];
    StoreField(track.title, "Track " + std::to_string(index + 1));
    StoreField(track.waveFile, folder.file("t" + std::to_string(index) + ".wav"));
    track.volume = 255;
    track.pan = 127;
    track.mute = 0;
    return index;
}

void ProjectFixture::writeTrackFile(int track, const std::vector<Frame>& frames) {
    WriteFileBytes(waveFileOf(track), CanonicalWave(frames));
}

std::vector<Frame> ProjectFixture::buffer(const FrameBuffer& which) const {
    return {which.get(), which.get() + project.framesPerTrack};
}

std::vector<Frame> ProjectFixture::trackBufferFrames() const { return buffer(project.trackBuffer); }

std::vector<Frame> Constant(uint32_t count, int16_t left, int16_t right) { return std::vector<Frame>(count, {left, right}); }

std::vector<Frame> Ramp(uint32_t count, int16_t step) {
    std::vector<Frame> frames(count);
    for (uint32_t k = 0; k < count; ++k)
        frames[k] = {static_cast<int16_t>(k * step), static_cast<int16_t>(-int(k) * step)};
    return frames;
}

}  // namespace jorv::test
