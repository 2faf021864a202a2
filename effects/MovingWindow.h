#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>

#include "effects/TrackSamples.h"

namespace jorv {

// The running sums of a window of frames over one range. Only the sums an effect asks for are
// meaningful; keeping all four costs next to nothing.
struct WindowSums {
    double left = 0, right = 0;
    double absLeft = 0, absRight = 0;

    void add(int left16, int right16, double sign) {
        left += sign * left16;
        right += sign * right16;
        absLeft += sign * std::abs(left16);
        absRight += sign * std::abs(right16);
    }
};

constexpr int MaxWindowFrames = 256;

// Slides a window of w frames (1..256) over start..end-1. The ring lives on the stack, so the
// run cannot fail for want of memory. For every newest frame n from start + w on, once the
// sums hold frames n-w+1..n, onCentre(centre, sums) runs for the centre frame n - w/2.
// Priming reads frames start..start+w-1 whatever the range's length.
template <typename OnCentre>
void SlideWindow(const TrackSamples& samples, int64_t start, int64_t end, int w, OnCentre&& onCentre) {
    std::array<int16_t, 2 * MaxWindowFrames> ring;
    WindowSums sums;
    for (int i = 0; i < w; ++i) {
        ring[2 * i] = samples.at(2 * (start + i));
        ring[2 * i + 1] = samples.at(2 * (start + i) + 1);
        sums.add(ring[2 * i], ring[2 * i + 1], 1.0);
    }
    int oldest = 0;
    for (int64_t n = start + w; n < end; ++n) {
        const int16_t left = samples.values[2 * n];
        const int16_t right = samples.values[2 * n + 1];
        sums.add(left, right, 1.0);
        sums.add(ring[2 * oldest], ring[2 * oldest + 1], -1.0);
        ring[2 * oldest] = left;
        ring[2 * oldest + 1] = right;
        if (++oldest == w) oldest = 0;
        onCentre(n - w / 2, static_cast<const WindowSums&>(sums));
    }
}

}  // namespace jorv
