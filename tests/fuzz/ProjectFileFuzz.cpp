// Any bytes as a project file, opened as File > Open does: a refused file leaves the project as
// it was, an accepted one has a usable header, gains that cannot overflow and track files in
// the project's folder; the file itself is never changed.
#include <cstring>

#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/Utf16Text.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("song.jor", data, size);
    Project project;
    project.exeDir = fuzz::ScratchFolder();
    std::memset(&project.block, 0x5A, sizeof project.block);
    const ProjectBlock before = project.block;
    SilentUiServices ui;
    ui.chosenFile = path;
    const bool opened = OpenProject(project, ui);

    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    if (!opened) {
        FUZZ_CHECK(std::memcmp(&project.block, &before, sizeof before) == 0);
        return 0;
    }
    FUZZ_CHECK(ProjectHeaderUsable(project.block.header));
    for (const Track& track : project.block.tracks) FUZZ_CHECK(track.volume <= 255 && track.pan <= 255);
    for (int t = 0; t < project.usedTracks(); ++t)
        FUZZ_CHECK(FieldToUtf8(project.block.tracks[t].waveFile).starts_with(fuzz::ScratchFolder() + "/"));
    return 0;
}
