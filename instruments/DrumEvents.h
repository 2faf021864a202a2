#pragma once

#include <cstdint>
#include <vector>

#include "core/ProjectBlock.h"

namespace jorv {

// The whole song flattened into timed MIDI messages, in pairs of entries: the due time in
// milliseconds from the start of the song, then the short message (status in bits 0..7, key in
// 8..15, velocity in 16..23). Its capacity is fixed when the MIDI output opens.
struct DrumEventList {
    std::vector<uint32_t> entries;  // capacity() entries, allocated up front
    int32_t count = 0;              // entries in use: twice the number of events

    explicit DrumEventList(uint32_t capacity = 0) : entries(capacity) {}
    uint32_t capacity() const { return static_cast<uint32_t>(entries.size()); }
    uint32_t dueMs(int32_t event) const { return entries[2 * event]; }
    uint32_t message(int32_t event) const { return entries[2 * event + 1]; }
    int32_t events() const { return count / 2; }
};

constexpr uint32_t DrumNoteOn = 0x99;  // Note On, channel 10

// Appends one Note On per set step of each pattern the song names, in song order and, within
// a step, in instrument order; a full list drops the rest. Characters other than the digits
// name no pattern and are passed over. A pattern plays only its stored steps (at most 32); a
// non-positive length or step duration takes no time.
void BuildDrumEvents(const DrumBlock& drums, DrumEventList& list);

}  // namespace jorv
