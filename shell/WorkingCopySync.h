#pragma once

#include <string>
#include <vector>

#include "core/ProjectBlock.h"
#include "core/WaveFormat.h"

namespace jorv {

struct AppContext;

// What the working folder was last told: the current track's audio as its copy and journal
// hold it, and the project block as its copy holds it.
struct WorkingCopySync {
    std::string track;  // the saved file of the track that `frames` belongs to
    std::vector<Frame> frames;
    bool blockWritten = false;
    ProjectBlock block{};
};

// After every command: the frames an edit changed go to the journal, the project block to its
// copy, so that a crash loses no finished command. A track newly in the buffer with changes of
// its own (a clone) is written whole.
void SyncWorkingCopy(AppContext& context);

// The working folder now holds exactly what is saved, or is gone.
void ForgetWorkingCopySync(AppContext& context);

}  // namespace jorv
