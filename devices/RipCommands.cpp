#include "devices/RipCommands.h"

#include "core/Utf16Text.h"

namespace jorv {

RipCommands RipCommandsFor(const std::string& source) {
    if (Utf8ToUtf16(source).size() >= 4) return {"Load " + source, "Play " + source, "Stop " + source};
    return {"seek cd to " + source, "play cd", "stop cd wait"};
}

}  // namespace jorv
