#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ViewState.h"

// Time as the window shows it: the ruler above the view and the selection readout below.
namespace jorv {

// frames at 44100 Hz as m:ss.mmm (minutes as many as there are), rounded down to the millisecond.
std::string FormatTime(uint64_t frames);

// m:ss.mmm, ss.mmm (a dot: seconds) or a plain whole number of frames, as typed by the user;
// nothing for anything else.
std::optional<uint64_t> ParseTimeOrFrames(std::string_view text);

struct RulerTick {
    int x;          // client x
    uint64_t frame;
    bool labelled;  // a long tick with its time written beside it
};

// The ticks over the view's columns: labelled ones at the shortest round step (1 ms .. 10 min)
// that leaves MinLabelSpacing pixels between labels at the zoom, and short ones between them.
std::vector<RulerTick> RulerTicks(const ViewState& view, uint32_t framesPerTrack);
inline constexpr int MinLabelSpacing = 90;

// "Start 0:01.250   End 0:03.500   Length 0:02.250", and while the transport runs the
// position of what is heard: "   Position 0:02.000".
std::string SelectionReadout(uint32_t start, uint32_t end, std::optional<uint64_t> position);

}  // namespace jorv
