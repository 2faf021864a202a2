#pragma once

#include <memory>

#include "devices/MidiOutput.h"
#include "devices/ThreadTickTimer.h"

namespace jorv {

struct AppContext;

// The drums' MIDI output as the settings choose it and the timer that ticks them.
struct DrumOutput {
    std::unique_ptr<MidiOutput> output;
    ThreadTickTimer timer;
};

// Opens the port named by the settings, else the built-in synthesizer; one that cannot be
// opened leaves the drums silent, without a message. The list holds midiBufferEntries.
void OpenDrumOutput(AppContext& context);
// Stops any song, waits for its timer and closes the output.
void CloseDrumOutput(AppContext& context);

}  // namespace jorv
