#include "app/shell/TransportPoll.h"

#include "core/CommandIds.h"

namespace jorv {

void PollTransport(AppContext& context) {
    if (TransportReachedEnd(context.project, context.wave)) context.ui.postCommand(cmd::Stop);
    else if (context.project.busy) context.ui.invalidateWave();  // the play cursor follows
}

}  // namespace jorv
