#pragma once

#include <span>

#include "shell/AppContext.h"

namespace jorv {

// What the window repaints after a command has run.
enum class Redraw { Nothing, Wave };

// One command of the menus, toolbar, check boxes and track list. A command without a handler
// stops the transport and does nothing more until its subsystem is built.
struct CommandEntry {
    int id;
    void (*handler)(AppContext& context, Notification notification);
    Redraw redraw;
};

// Every command except the effects, which the effect catalogue lists.
std::span<const CommandEntry> CommandTable();

// The entry of id, or null when id is no command of the table.
const CommandEntry* FindCommand(int id);

}  // namespace jorv
