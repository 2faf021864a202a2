#pragma once

#include <atomic>
#include <cstdint>

#include "devices/MidiOutput.h"
#include "devices/TickTimer.h"
#include "instruments/DrumEvents.h"

namespace jorv {

// Plays a drum event list on a MIDI output, one 10 ms tick at a time.
//
// Thread contract: the tick runs on the timer's thread and shares only the four atomics below
// and the list's entries. The list is written only while no timer exists (build() first waits
// for the last one to be gone), so the tick reads entries that nobody writes. stop() clears
// eventCount before drumsRunning, so a tick in progress ends its send loop at once. The tick
// never allocates or blocks; only it ends its timer.
class DrumPlayer {
public:
    DrumPlayer() = default;
    ~DrumPlayer() { close(); }
    DrumPlayer(const DrumPlayer&) = delete;
    DrumPlayer& operator=(const DrumPlayer&) = delete;

    // A list of capacity entries on output, ticked by timer; both outlive the player's use.
    void open(uint32_t capacity, MidiOutput& output, TickTimer& timer);
    // Stops any song and waits for its timer to be gone, then lets go of list and output.
    void close();

    // Flattens the song into the list, after any earlier song has stopped.
    void build(const DrumBlock& drums);
    // Plays the list from its start (nothing when closed).
    void start();
    void stop();
    bool running() const { return drumsRunning_.load(); }
    const DrumEventList& events() const { return list_; }

private:
    // Runs on the timer's thread. False when the timer is to end.
    bool tick();

    DrumEventList list_;
    MidiOutput* output_ = nullptr;
    TickTimer* timer_ = nullptr;
    std::atomic<int32_t> eventCount_{0};
    std::atomic<int32_t> eventPos_{0};
    std::atomic<uint32_t> elapsedMs_{0};
    std::atomic<bool> drumsRunning_{false};
};

}  // namespace jorv
