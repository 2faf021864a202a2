#pragma once

#include "shell/AppContext.h"

namespace jorv {

enum class CommandResult {
    Handled,
    // Not a command: the caller handles the notification as it would by default.
    NotACommand,
};

// Runs one command from any source: StopAll first, then the command's action and its redraw,
// then what it changed goes to the working copy.
CommandResult RunCommand(AppContext& context, int id, Notification notification = Notification::Clicked);

}  // namespace jorv
