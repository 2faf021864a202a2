#pragma once

#include <functional>

#include "shell/AppContext.h"

// Play and Record as every source starts them, and the run to the selection end that the
// window's timer and jorv-cli share.
namespace jorv {

// Play: the selection over the backing mix. Record: a take of the selection, with the drums
// when they are active and the rip player when a rip is armed. Without a loaded project
// nothing starts (NoBuffers).
TransportStart StartPlay(AppContext& context);
TransportStart StartRecord(AppContext& context);

enum class TransportProgress { Idle, Running, ReachedEnd };

// One look at the transport: whether the play position passed the selection end or the output
// reported its whole buffer played (a report it consumes); while it runs, the view is asked to
// move the play cursor.
TransportProgress CheckTransport(AppContext& context);

// The window's timer: posts Stop once the transport has reached its end.
void PollTransport(AppContext& context);

// Without a window: calls wait between looks until the transport has reached its end, then
// stops everything as Stop does.
void RunTransportToEnd(AppContext& context, const std::function<void()>& wait);

}  // namespace jorv
