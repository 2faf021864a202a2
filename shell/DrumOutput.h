#pragma once

#include <functional>
#include <memory>

#include "shell/Settings.h"

#include "devices/MidiOutput.h"
#include "devices/ThreadTickTimer.h"

namespace jorv {

struct AppContext;

// The drums' MIDI output as the settings choose it and the timer that ticks them.
struct DrumOutput {
    std::unique_ptr<MidiOutput> output;
    ThreadTickTimer timer;
    // Opens the output; empty: the port the settings name, else the built-in synthesizer
    // (tests put a double here).
    std::function<std::unique_ptr<MidiOutput>(const Settings&)> open;
};

// Opens the output (by default the port named by the settings, else the built-in synthesizer;
// one that cannot be opened leaves the drums silent, without a message). The list holds
// midiBufferEntries.
void OpenDrumOutput(AppContext& context);
// Stops any song, waits for its timer and closes the output.
void CloseDrumOutput(AppContext& context);

}  // namespace jorv
