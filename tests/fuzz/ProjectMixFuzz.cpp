// Any bytes as a project file, opened and mixed as Play would: whatever the volumes, pans and
// mutes, every mixed value stays within -32767..32767.
#include <filesystem>

#include "core/Mixing.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

namespace {

constexpr uint32_t Frames = 32;

// Full-scale track files, so that every gain is heard at its loudest.
void WriteLoudTracks(const Project& project, SilentUiServices& ui) {
    std::vector<Frame> loud(Frames);
    for (uint32_t k = 0; k < Frames; ++k) loud[k] = k % 2 ? Frame{32767, -32768} : Frame{-32768, 32767};
    for (int t = 0; t < project.usedTracks(); ++t) {
        std::string file(FieldToUtf8(project.block.tracks[t].waveFile));
        FUZZ_CHECK(SaveWave(0, Frames, file, loud.data(), ui) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("mix.jor", data, size);
    Project project;
    project.exeDir = fuzz::ScratchFolder();
    SilentUiServices ui;
    ui.chosenFile = path;
    if (!OpenProject(project, ui)) return 0;
    WriteLoudTracks(project, ui);
    project.framesPerTrack = Frames;
    for (FrameBuffer* b : {&project.trackBuffer, &project.scratchBuffer, &project.backingMix}) b->reset(AllocateFrames(Frames));
    FUZZ_CHECK(SelectTrack(project, 0, ui) == 0);
    PrepareOutput(project, 0, Frames, true);
    for (uint32_t k = 0; k < Frames; ++k) {
        FUZZ_CHECK(project.scratchBuffer[k].left >= MixMin && project.scratchBuffer[k].right >= MixMin);
        FUZZ_CHECK(project.backingMix[k].left >= MixMin && project.backingMix[k].right >= MixMin);
    }
    return 0;
}
