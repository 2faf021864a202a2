#include "app/shell/TransportPoll.h"

#include "core/CommandIds.h"

namespace jorv {

void PollTransport(AppContext& context) {
    const Project& project = context.project;
    const bool pastEnd = project.busy && uint64_t{project.selectionStart} + context.transport.playPosition() >=
                                             project.selectionEnd;
    const bool bufferDone = context.transport.takeBufferDone();
    if (pastEnd || bufferDone) context.ui.postCommand(cmd::Stop);
}

}  // namespace jorv
