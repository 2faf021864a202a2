#include "devices/backends/JackLoopWires.h"

#include <jack/jack.h>

#include <cerrno>

namespace jorv {

bool WireJackLoopback(const std::string& client, bool connect) {
    jack_client_t* wirer = jack_client_open("jorv-wires", JackNoStartServer, nullptr);
    if (!wirer) return false;
    bool wired = true;
    for (const char* channel : {"0", "1"}) {
        const std::string from = client + ":outport " + channel, to = client + ":inport " + channel;
        const int result = connect ? jack_connect(wirer, from.c_str(), to.c_str())
                                   : jack_disconnect(wirer, from.c_str(), to.c_str());
        // An existing connection is as good as a new one.
        wired = wired && (result == 0 || (connect && result == EEXIST));
    }
    jack_client_close(wirer);
    return wired;
}

}  // namespace jorv
