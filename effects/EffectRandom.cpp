#include "effects/EffectRandom.h"

namespace jorv {

namespace {
uint32_t state = 1;
}

int NextEffectRandom() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void RestartEffectRandom() { state = 1; }

}  // namespace jorv
