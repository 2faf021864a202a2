#include "effects/EffectArguments.h"

namespace jorv {

EffectArguments MakeEffectArguments(int64_t start, int64_t end, int32_t p1, int32_t p2, int32_t p3,
                                    EffectRandom& random) {
    EffectArguments arguments{start, end, p1, p2, p3};
    arguments.random = &random;
    const int w = p3 & 0xFF;
    if (w < 128) {
        arguments.panLeft = 1.0f;
        arguments.panRight = static_cast<float>(w) / 128.0f;
    } else {
        arguments.panLeft = static_cast<float>(255 - w) / 128.0f;
        arguments.panRight = 1.0f;
    }
    // The whole p2, multiplied as a 32-bit value.
    arguments.clipLevel = static_cast<int32_t>(static_cast<uint32_t>(p2) * 128u);
    return arguments;
}

}  // namespace jorv
