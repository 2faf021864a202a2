#pragma once

#include <functional>

namespace jorv {

inline constexpr int DrumTickMs = 10;

// A periodic 10 ms tick on a thread of its own.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    // Calls tick every 10 ms on absolute deadlines (no drift), the first 10 ms from now, until
    // tick returns false: the timer then ends itself. A previous run must be joined first.
    virtual void start(std::function<bool()> tick) = 0;
    // Returns once no tick can run any more; at once when none was started.
    virtual void join() = 0;
};

}  // namespace jorv
