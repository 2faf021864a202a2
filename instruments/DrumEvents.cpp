#include "instruments/DrumEvents.h"

#include <algorithm>

namespace jorv {

namespace {

bool Append(DrumEventList& list, uint32_t dueMs, uint32_t message) {
    // Four entries stay free at the end, as the list has always been sized.
    if (int64_t{list.count} >= int64_t{list.capacity()} - 4) return false;
    list.entries[list.count] = dueMs;
    list.entries[list.count + 1] = message;
    list.count += 2;
    return true;
}

// The pattern's events from song time start on; false once the list is full.
bool AppendPattern(const DrumPattern& pattern, uint32_t start, DrumEventList& list) {
    const int steps = std::clamp<int>(pattern.length, 0, DrumSteps);
    const uint32_t stepMs = pattern.msPerBeat > 0 ? uint32_t(pattern.msPerBeat) : 0;
    for (int s = 0; s < steps; ++s) {
        for (int i = 0; i < DrumInstrumentCount; ++i) {
            const uint32_t velocity = pattern.steps[s * DrumInstrumentCount + i];
            if (velocity == 0) continue;
            const uint32_t message = DrumNoteOn | uint32_t(27 + i) << 8 | velocity << 16;
            if (!Append(list, start + uint32_t(s) * stepMs, message)) return false;
        }
    }
    return true;
}

uint32_t PatternMs(const DrumPattern& pattern) {
    if (pattern.length <= 0 || pattern.msPerBeat <= 0) return 0;
    return uint32_t(pattern.length) * uint32_t(pattern.msPerBeat);
}

}  // namespace

void BuildDrumEvents(const DrumBlock& drums, DrumEventList& list) {
    uint32_t start = 0;
    for (const char16_t c : drums.songPattern) {
        if (c == 0) break;
        if (c < u'0' || c > u'9') continue;
        const DrumPattern& pattern = drums.patterns[c - u'0'];
        if (!AppendPattern(pattern, start, list)) return;
        start += PatternMs(pattern);
    }
}

}  // namespace jorv
