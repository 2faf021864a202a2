#include "shell/WorkingCopySync.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "shell/AppContext.h"
#include "core/ProjectFile.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

inline constexpr std::string_view JournalFailedMessage =
    "Jorv cannot keep a copy of this edit on disk; it will be lost if Jorv does not close normally.";

void SyncBlock(Project& project, WorkingCopySync& sync) {
    if (sync.blockWritten && std::memcmp(&sync.block, &project.block, sizeof sync.block) == 0) return;
    const bool saved = std::memcmp(&project.savedBlock, &project.block, sizeof project.block) == 0;
    if (!sync.blockWritten && saved) return;
    sync.blockWritten = WriteProjectFile(project.work.projectCopy(), project.block);
    sync.block = project.block;
}

void SyncTrack(AppContext& context, WorkingCopySync& sync) {
    Project& project = context.project;
    const std::string track = FieldToUtf8(project.current().waveFile);
    const Frame* now = project.trackBuffer.get();
    const uint32_t frames = project.framesPerTrack;
    if (track != sync.track || sync.frames.size() != frames) {
        FlushTrack(project, context.ui);
        sync.track = track;
        sync.frames.assign(now, now + frames);
        return;
    }
    const auto differs = [](const Frame& a, const Frame& b) { return a.left != b.left || a.right != b.right; };
    const auto first = std::mismatch(now, now + frames, sync.frames.begin(),
                                     [&](const Frame& a, const Frame& b) { return !differs(a, b); });
    if (first.first == now + frames) return;
    uint32_t last = frames;
    while (last > 0 && !differs(now[last - 1], sync.frames[last - 1])) --last;
    const auto start = static_cast<uint32_t>(first.first - now);
    const std::vector<Frame> changed(now + start, now + last);
    if (!project.work.appendEdit(track, start, changed)) context.ui.showMessage(JournalFailedMessage, ErrorCaption, MessageKind::Plain);
    std::copy(changed.begin(), changed.end(), sync.frames.begin() + start);
}

}  // namespace

void SyncWorkingCopy(AppContext& context) {
    Project& project = context.project;
    if (!project.work.active() || !project.projectLoaded || project.busy) return;
    SyncBlock(project, context.workSync);
    if (project.buffersReady()) SyncTrack(context, context.workSync);
    // A take once placed is in the edit journal: its own journal has done its work.
    std::remove(project.work.takeJournal().c_str());
}

void ForgetWorkingCopySync(AppContext& context) { context.workSync = {}; }

}  // namespace jorv
