#pragma once

#include <thread>

#include "devices/TickTimer.h"

namespace jorv {

// The tick on a dedicated thread that sleeps until each absolute deadline.
class ThreadTickTimer final : public TickTimer {
public:
    ~ThreadTickTimer() override;
    void start(std::function<bool()> tick) override;
    void join() override;

private:
    std::thread thread_;
};

}  // namespace jorv
