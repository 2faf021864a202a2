#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Project.h"
#include "core/Utf16Text.h"
#include "tests/support/FrameMatchers.h"
#include "tests/support/RecordingUiServices.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {

// A project with tiny buffers of the given size and tracks whose files live in a temporary folder.
struct ProjectFixture {
    explicit ProjectFixture(uint32_t frames);

    // Adds a track "Track N" at volume 255, centre pan, file folder/tN.wav (not created).
    int addTrack();
    std::string waveFileOf(int track) const { return FieldToUtf8(project.block.tracks[track].waveFile); }
    // Writes a canonical wave file for the track.
    void writeTrackFile(int track, const std::vector<Frame>& frames);
    std::vector<Frame> trackBufferFrames() const;
    std::vector<Frame> buffer(const FrameBuffer& which) const;

    TempFolder folder;
    RecordingUiServices ui;
    Project project;
};

// frames of value (l, r) repeated
std::vector<Frame> Constant(uint32_t count, int16_t left, int16_t right);
// frame k = (k * step, -k * step)
std::vector<Frame> Ramp(uint32_t count, int16_t step);

}  // namespace jorv::test
