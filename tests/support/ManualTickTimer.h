#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "devices/TickTimer.h"

namespace jorv::test {

// A tick timer whose ticks the test gives: advance(n) runs up to n ticks, fewer when the timer
// ends itself first.
class ManualTickTimer final : public TickTimer {
public:
    void start(std::function<bool()> tick) override {
        tick_ = std::move(tick);
        ++starts;
    }
    void join() override {
        // A real timer's thread would run its last ticks before it is gone; a tick that never
        // ends its timer fails the test instead of running forever.
        for (int run = 0; tick_ && tick_(); ++run, ++ticks) {
            if (run == 1000000) {
                ADD_FAILURE() << "the timer never ends itself";
                break;
            }
        }
        tick_ = nullptr;
    }
    // Returns the ticks run.
    int advance(int n) {
        int run = 0;
        for (; run < n && tick_; ++run) {
            ++ticks;
            if (!tick_()) tick_ = nullptr;
        }
        return run;
    }
    bool alive() const { return static_cast<bool>(tick_); }

    int starts = 0, ticks = 0;

private:
    std::function<bool()> tick_;
};

}  // namespace jorv::test
