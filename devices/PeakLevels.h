#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>

#include "core/WaveFormat.h"

namespace jorv {

// The loudest sample of each channel, as a magnitude 0..32768, and whether any sample reached
// full scale (32767 or -32768).
struct StereoPeak {
    uint32_t left = 0;
    uint32_t right = 0;
    bool clipped = false;
};

// The peaks of one direction (played or recorded) since the window last took them. The audio
// callback raises them; a compare-and-swap that only ever raises never waits on the taker.
class PeakLevels {
public:
    void raise(const Frame* frames, uint32_t count) noexcept {
        uint32_t left = 0, right = 0;
        for (uint32_t k = 0; k < count; ++k) {
            left = std::max(left, Magnitude(frames[k].left));
            right = std::max(right, Magnitude(frames[k].right));
        }
        RaiseTo(left_, left);
        RaiseTo(right_, right);
        if (left >= FullScale || right >= FullScale) clipped_.store(true, std::memory_order_relaxed);
    }

    // The peaks since the last take, which starts the next stretch from silence.
    StereoPeak take() noexcept {
        return {left_.exchange(0, std::memory_order_relaxed), right_.exchange(0, std::memory_order_relaxed),
                clipped_.exchange(false, std::memory_order_relaxed)};
    }

    // 32767 counts as full scale as well as -32768: both are the end of the range.
    static constexpr uint32_t FullScale = 32767;

private:
    static uint32_t Magnitude(int16_t sample) { return uint32_t(std::abs(int32_t{sample})); }
    static void RaiseTo(std::atomic<uint32_t>& peak, uint32_t value) {
        uint32_t seen = peak.load(std::memory_order_relaxed);
        while (value > seen && !peak.compare_exchange_weak(seen, value, std::memory_order_relaxed)) {
        }
    }

    std::atomic<uint32_t> left_{0};
    std::atomic<uint32_t> right_{0};
    std::atomic<bool> clipped_{false};
};

}  // namespace jorv
