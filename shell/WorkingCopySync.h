#pragma once

#include <string>
#include <vector>

#include "shell/UndoHistory.h"
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
    // Every track's steps while the project is open.
    UndoHistory history;
    // The name of the next step where it is not the command's (a MIDI mode converting when a
    // command stops it).
    std::string nextStepName;
};

// After every command: the frames an edit changed go to the journal and, as a step named after
// the command, to the undo history; the project block goes to its copy. So a crash loses no
// finished command. A track newly in the buffer with changes of its own (a clone) is written
// whole. The view's summary of the track follows the same changes; without a working folder
// there is nothing to compare with, and it is built afresh.
void SyncWorkingCopy(AppContext& context, const std::string& stepName);

// The working folder now holds exactly what is saved.
void ForgetWorkingCopySync(AppContext& context);
// A project with a working folder opens or closes: its undo history starts empty.
void StartUndoHistory(AppContext& context);
// What recovery brought back is a step of each track it changed, so Undo returns the saved audio.
void RecordRecoveryAsSteps(AppContext& context);

// Edit > Undo and Edit > Redo of the current track; the status line says which step.
void UndoStep(AppContext& context);
void RedoStep(AppContext& context);
// Undo and Redo are offered only where there is something to take back or do again.
void ShowUndoState(AppContext& context);

}  // namespace jorv
