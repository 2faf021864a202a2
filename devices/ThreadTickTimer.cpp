#include "devices/ThreadTickTimer.h"

#include <pthread.h>
#include <sys/prctl.h>

#include <chrono>

namespace jorv {

namespace {

// Wakes the tick as close to its deadline as the system allows: no timer slack, and a real-time
// priority where the user may have one (without it the thread simply runs as it is).
void AskForPromptWakeUps() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    sched_param priority{};
    priority.sched_priority = 10;
    ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &priority);
}

}  // namespace

ThreadTickTimer::~ThreadTickTimer() { join(); }

void ThreadTickTimer::start(std::function<bool()> tick) {
    join();
    thread_ = std::thread([tick = std::move(tick)] {
        AskForPromptWakeUps();
        const auto period = std::chrono::milliseconds(DrumTickMs);
        auto deadline = std::chrono::steady_clock::now() + period;
        // A late tick does not push the later ones back: deadlines stay on the grid. The last
        // millisecond is waited out awake, as a sleeping thread often wakes a millisecond late.
        do {
            std::this_thread::sleep_until(deadline - std::chrono::milliseconds(1));
            while (std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
            deadline += period;
        } while (tick());
    });
}

void ThreadTickTimer::join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace jorv
