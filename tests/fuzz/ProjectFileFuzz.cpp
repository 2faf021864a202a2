// Any bytes as a project file, opened as File > Open does: a refused file leaves the project as
// it was, an accepted one has a usable header, gains that cannot overflow and track files in
// the project's folder, and mixed as Play would over full-scale tracks, whatever its volumes,
// pans and mutes, every value stays within -32767..32767; the file itself is never changed.
#include <cstring>

#include "core/Mixing.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

namespace {

constexpr uint32_t Frames = 32;

// Every track's file at full scale, then the first track selected and its output mixed.
void CheckTheMixStaysInRange(Project& project, SilentUiServices& ui) {
    std::vector<Frame> loud(Frames);
    for (uint32_t k = 0; k < Frames; ++k) loud[k] = k % 2 ? Frame{32767, -32768} : Frame{-32768, 32767};
    for (int t = 0; t < project.usedTracks(); ++t)
        FUZZ_CHECK(SaveWave(0, Frames, FieldToUtf8(project.block.tracks[t].waveFile), loud.data(), ui) == 0);
    project.framesPerTrack = Frames;
    for (FrameBuffer* b : {&project.trackBuffer, &project.scratchBuffer, &project.backingMix}) b->reset(AllocateFrames(Frames));
    FUZZ_CHECK(SelectTrack(project, 0, ui) == 0);
    PrepareOutput(project, 0, Frames, true);
    for (uint32_t k = 0; k < Frames; ++k) {
        FUZZ_CHECK(project.scratchBuffer[k].left >= MixMin && project.scratchBuffer[k].right >= MixMin);
        FUZZ_CHECK(project.backingMix[k].left >= MixMin && project.backingMix[k].right >= MixMin);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("song.jor", data, size);
    Project project;
    project.exeDir = fuzz::ScratchFolder();
    std::memset(&project.block, 0x5A, sizeof project.block);
    const ProjectBlock before = project.block;
    SilentUiServices ui;
    const bool opened = OpenProjectFile(project, path, ui);

    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    if (!opened) {
        FUZZ_CHECK(std::memcmp(&project.block, &before, sizeof before) == 0);
        return 0;
    }
    FUZZ_CHECK(ProjectHeaderUsable(project.block.header));
    for (const Track& track : project.block.tracks) FUZZ_CHECK(track.volume <= 255 && track.pan <= 255);
    for (int t = 0; t < project.usedTracks(); ++t)
        FUZZ_CHECK(FieldToUtf8(project.block.tracks[t].waveFile).starts_with(fuzz::ScratchFolder() + "/"));
    CheckTheMixStaysInRange(project, ui);
    return 0;
}
