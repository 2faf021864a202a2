#pragma once

#include <string>

namespace jorv {

// Connects (or disconnects) each output port of the JACK client to its input port of the same
// number, "CLIENT:outport N" to "CLIENT:inport N", through a short-lived client of its own.
// Whether every wire was made (or removed).
bool WireJackLoopback(const std::string& client, bool connect);

}  // namespace jorv
