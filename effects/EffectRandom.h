#pragma once

#include <cstdint>

namespace jorv {

// The program's one pseudo-random sequence. It starts from the same state in every run, so an
// effect that draws from it gives the same result in every fresh program.
int NextEffectRandom();
// Puts the sequence back to its start, for tests that need a fresh program's draws.
void RestartEffectRandom();

}  // namespace jorv
