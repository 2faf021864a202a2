#include "devices/ThreadTickTimer.h"

#include <chrono>

namespace jorv {

ThreadTickTimer::~ThreadTickTimer() { join(); }

void ThreadTickTimer::start(std::function<bool()> tick) {
    join();
    thread_ = std::thread([tick = std::move(tick)] {
        const auto period = std::chrono::milliseconds(DrumTickMs);
        auto deadline = std::chrono::steady_clock::now() + period;
        // A late tick does not push the later ones back: deadlines stay on the grid.
        do {
            std::this_thread::sleep_until(deadline);
            deadline += period;
        } while (tick());
    });
}

void ThreadTickTimer::join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace jorv
