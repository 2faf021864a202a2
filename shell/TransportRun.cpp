#include "shell/TransportRun.h"

#include "shell/CommandIds.h"
#include "shell/Rip.h"
#include "shell/StopAll.h"

namespace jorv {

TransportStart StartPlay(AppContext& context) {
    Project& project = context.project;
    if (!project.projectLoaded) return TransportStart::NoBuffers;
    const TransportStart started = context.wave.startPlayback(project, project.selectionStart, project.selectionEnd, context.ui);
    context.ui.setStatus("Playing");
    return started;
}

TransportStart StartRecord(AppContext& context) {
    Project& project = context.project;
    if (!project.projectLoaded) return TransportStart::NoBuffers;
    const Take take{project.selectionStart, project.selectionEnd, project.mergeRecord, context.settings.recordLatency};
    if (project.drumsActive) context.drums.build(project.block.drumBlock);
    StartRipPlayer(context);
    const TransportStart started = context.wave.startRecording(project, take, context.ui);
    context.view.dropoutMarks.clear();
    if (started == TransportStart::Started) context.runningTake = take;
    if (project.drumsActive) context.drums.start();
    context.ui.setStatus("Recording");
    return started;
}

TransportProgress CheckTransport(AppContext& context) {
    const Project& project = context.project;
    const bool pastEnd =
        project.busy && uint64_t{project.selectionStart} + context.wave.playPosition() >= project.selectionEnd;
    const bool bufferDone = context.wave.takeBufferDone();
    if (pastEnd || bufferDone) return TransportProgress::ReachedEnd;
    if (!project.busy) return TransportProgress::Idle;
    context.ui.invalidateWave();  // the play cursor follows
    return TransportProgress::Running;
}

void PollTransport(AppContext& context) {
    if (CheckTransport(context) == TransportProgress::ReachedEnd) context.ui.postCommand(cmd::Stop);
}

void RunTransportToEnd(AppContext& context, const std::function<void()>& wait) {
    while (CheckTransport(context) == TransportProgress::Running) wait();
    StopAll(context);
}

}  // namespace jorv
