#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace jorv {

// The dropouts of the current run (a play or a take): how many the audio system reported, and
// for the first Capacity of them how many frames had been played when it happened. Only the
// audio callback notes; anyone may read.
class DropoutLog {
public:
    static constexpr uint32_t Capacity = 256;

    // Before a run starts, while no callback notes.
    void clear() noexcept { count_.store(0, std::memory_order_release); }

    void note(uint32_t playedFrames) noexcept {
        const uint32_t index = count_.load(std::memory_order_relaxed);
        if (index < Capacity) positions_[index].store(playedFrames, std::memory_order_relaxed);
        count_.store(index + 1, std::memory_order_release);
    }

    uint32_t count() const noexcept { return count_.load(std::memory_order_acquire); }

    std::vector<uint32_t> positions() const {
        const uint32_t kept = std::min(count(), Capacity);
        std::vector<uint32_t> result(kept);
        for (uint32_t k = 0; k < kept; ++k) result[k] = positions_[k].load(std::memory_order_relaxed);
        return result;
    }

private:
    std::atomic<uint32_t> count_{0};
    std::array<std::atomic<uint32_t>, Capacity> positions_{};
};

}  // namespace jorv
