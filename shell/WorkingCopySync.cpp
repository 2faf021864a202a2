#include "shell/WorkingCopySync.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "shell/AppContext.h"
#include "shell/CommandIds.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

inline constexpr std::string_view StepNotKeptMessage = "This edit cannot be undone: Jorv could not keep a copy of it.";
inline constexpr std::string_view JournalFailedMessage =
    "Jorv cannot keep a copy of this edit on disk; it will be lost if Jorv does not close normally.";

void SyncBlock(Project& project, WorkingCopySync& sync) {
    if (sync.blockWritten && std::memcmp(&sync.block, &project.block, sizeof sync.block) == 0) return;
    const bool saved = std::memcmp(&project.savedBlock, &project.block, sizeof project.block) == 0;
    if (!sync.blockWritten && saved) return;
    sync.blockWritten = WriteProjectFile(project.work.projectCopy(), project.block);
    sync.block = project.block;
}

void SyncTrack(AppContext& context, WorkingCopySync& sync, const std::string& stepName) {
    Project& project = context.project;
    const std::string track = FieldToUtf8(project.current().waveFile);
    const Frame* now = project.trackBuffer.get();
    const uint32_t frames = project.framesPerTrack;
    if (track != sync.track || sync.frames.size() != frames) {
        FlushTrack(project, context.ui);
        sync.track = track;
        sync.frames.assign(now, now + frames);
        context.waveSummary.build(now, frames);
        return;
    }
    const auto differs = [](const Frame& a, const Frame& b) { return a.left != b.left || a.right != b.right; };
    const auto first = std::mismatch(now, now + frames, sync.frames.begin(),
                                     [&](const Frame& a, const Frame& b) { return !differs(a, b); });
    if (first.first == now + frames) return;
    uint32_t last = frames;
    while (last > 0 && !differs(now[last - 1], sync.frames[last - 1])) --last;
    const auto start = static_cast<uint32_t>(first.first - now);
    context.waveSummary.update(now, start, last);
    const std::vector<Frame> changed(now + start, now + last);
    if (!project.work.appendEdit(track, start, changed)) context.ui.showMessage(JournalFailedMessage, ErrorCaption, MessageKind::Plain);
    const std::vector<Frame> before(sync.frames.begin() + start, sync.frames.begin() + last);
    if (!sync.history.record(track, stepName, start, before))
        context.ui.showMessage(StepNotKeptMessage, ErrorCaption, MessageKind::Plain);
    std::copy(changed.begin(), changed.end(), sync.frames.begin() + start);
}

// Puts a step's frames back into the track as the history gave them; they go to the journal but
// make no step of their own.
void Replay(AppContext& context, const std::optional<UndoHistory::Replay>& replay, std::string_view verb) {
    Project& project = context.project;
    WorkingCopySync& sync = context.workSync;
    if (!replay || uint64_t{replay->step.start} + replay->frames.size() > project.framesPerTrack) return;
    std::copy(replay->frames.begin(), replay->frames.end(), project.trackBuffer.get() + replay->step.start);
    context.waveSummary.update(project.trackBuffer.get(), replay->step.start, replay->step.start + uint32_t(replay->frames.size()));
    if (sync.frames.size() == project.framesPerTrack)
        std::copy(replay->frames.begin(), replay->frames.end(), sync.frames.begin() + replay->step.start);
    project.work.appendEdit(sync.track, replay->step.start, replay->frames);
    project.trackDirty = true;
    context.ui.setStatus(std::string(verb) + " " + replay->step.name);
}

bool Replayable(const AppContext& context) {
    const Project& project = context.project;
    return project.work.active() && project.projectLoaded && project.buffersReady() && !project.busy &&
           context.workSync.track == FieldToUtf8(project.block.tracks[project.currentTrack].waveFile);
}

}  // namespace

void SyncWorkingCopy(AppContext& context, const std::string& stepName) {
    Project& project = context.project;
    if (!project.projectLoaded || project.busy) return;
    if (!project.work.active()) {
        context.waveSummary.build(project.trackBuffer.get(), project.framesPerTrack);
        return;
    }
    SyncBlock(project, context.workSync);
    const std::string name = std::exchange(context.workSync.nextStepName, {});
    if (project.buffersReady()) SyncTrack(context, context.workSync, name.empty() ? stepName : name);
    // A take once placed is in the edit journal: its own journal has done its work.
    std::remove(project.work.takeJournal().c_str());
}

void ForgetWorkingCopySync(AppContext& context) {
    WorkingCopySync& sync = context.workSync;
    sync.track.clear();
    sync.frames.clear();
    sync.blockWritten = false;
}

void StartUndoHistory(AppContext& context) {
    UndoHistory& history = context.workSync.history;
    history.clear();
    history.useFolder(context.project.work.active() ? context.project.work.historyFolder() : std::string());
    history.setLimit(context.settings.undoLimitMB * uint64_t{1024 * 1024});
}

// The track as the history knows it: the frames the last sync saw, which are the buffer's.
void RecordRecoveryAsSteps(AppContext& context) {
    Project& project = context.project;
    const uint32_t frames = FramesPerMegabyte * project.block.header.memPerTrackMB;
    SilentUiServices quiet;
    std::error_code error;
    for (int t = 0; t < project.usedTracks(); ++t) {
        const std::string saved = FieldToUtf8(project.block.tracks[t].waveFile);
        const std::string copy = project.work.copyOf(saved);
        if (!std::filesystem::exists(copy, error)) continue;
        std::vector<Frame> before(frames), after(frames);
        // A saved file that is not there is silence; reading it must not make one.
        if (std::filesystem::exists(saved, error)) LoadWave(saved, before.data(), frames, quiet);
        LoadWave(copy, after.data(), frames, quiet);
        const auto first = std::mismatch(before.begin(), before.end(), after.begin(),
                                         [](const Frame& a, const Frame& b) { return a.left == b.left && a.right == b.right; });
        if (first.first == before.end()) continue;
        auto last = before.end();
        while (last[-1].left == after[std::size_t(last - before.begin()) - 1].left &&
               last[-1].right == after[std::size_t(last - before.begin()) - 1].right)
            --last;
        context.workSync.history.record(saved, "Recover", uint32_t(first.first - before.begin()), {first.first, last});
    }
}

void UndoStep(AppContext& context) {
    WorkingCopySync& sync = context.workSync;
    if (Replayable(context)) Replay(context, sync.history.undo(sync.track, sync.frames), "Undo");
}

void RedoStep(AppContext& context) {
    WorkingCopySync& sync = context.workSync;
    if (Replayable(context)) Replay(context, sync.history.redo(sync.track, sync.frames), "Redo");
}

void ShowUndoState(AppContext& context) {
    const bool ready = Replayable(context);
    const UndoHistory& history = context.workSync.history;
    context.ui.setEnabled(cmd::Undo, ready && history.canUndo(context.workSync.track));
    context.ui.setEnabled(cmd::Redo, ready && history.canRedo(context.workSync.track));
}

}  // namespace jorv
