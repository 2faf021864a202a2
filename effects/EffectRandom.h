#pragma once

#include <cstdint>

namespace jorv {

// The pseudo-random sequence that Fuzz draws from. It is never seeded: a fresh stream gives the
// same draws in every program run. The program keeps one stream for its whole run and hands it
// to every effect run, so a run's result follows from its inputs and the stream's state.
struct EffectRandom {
    uint32_t state = 1;

    // The next value, 0..32767.
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

}  // namespace jorv
