#pragma once

#include <string>

#include "core/Project.h"
#include "core/UiServices.h"

namespace jorv {

// Track Properties OK: the title (first 15 characters kept), the list, then the notification
// that the dialog closed.
void AcceptTrackProperties(Project& project, const std::string& title, UiServices& ui);

}  // namespace jorv
