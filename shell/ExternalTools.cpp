#include "shell/ExternalTools.h"

namespace jorv {

void LaunchExternal(AppContext& context, const std::string& path) {
    if (path.empty() || !context.launcher) return;
    context.launcher->open(path == "SNDVOL32.EXE" ? "pavucontrol" : path);
}

}  // namespace jorv
