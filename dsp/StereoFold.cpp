#include "dsp/StereoFold.h"

#include <algorithm>
#include <cmath>

namespace jorv {

namespace {

constexpr float MinusThreeDb = 0.70710678f;

struct SideGains {
    float left;
    float right;
};

SideGains GainsOf(Speaker speaker) {
    switch (speaker) {
    case Speaker::Mono: return {1, 1};
    case Speaker::Left: return {1, 0};
    case Speaker::Right: return {0, 1};
    case Speaker::Center: return {MinusThreeDb, MinusThreeDb};
    case Speaker::LowFrequency: return {0, 0};
    case Speaker::LeftBack:
    case Speaker::LeftSide: return {MinusThreeDb, 0};
    case Speaker::RightBack:
    case Speaker::RightSide: return {0, MinusThreeDb};
    case Speaker::Other: return {0.5f, 0.5f};
    }
    return {0, 0};
}

}  // namespace

std::vector<Speaker> DefaultSpeakers(int channels) {
    using enum Speaker;
    switch (channels) {
    case 1: return {Mono};
    case 2: return {Left, Right};
    case 3: return {Left, Right, Center};
    case 4: return {Left, Right, LeftBack, RightBack};
    case 5: return {Left, Right, Center, LeftBack, RightBack};
    default: {
        const std::vector<Speaker> full = {Left, Right, Center, LowFrequency, LeftBack, RightBack, LeftSide, RightSide};
        std::vector<Speaker> speakers(full.begin(), full.begin() + std::min<int>(std::max(channels, 0), 8));
        speakers.resize(std::max(channels, 0), Other);
        return speakers;
    }
    }
}

StereoFold::StereoFold(const std::vector<Speaker>& speakers) {
    float leftSum = 0, rightSum = 0;
    for (Speaker speaker : speakers) {
        const SideGains side = GainsOf(speaker);
        gains_.push_back({side.left, side.right});
        leftSum += side.left;
        rightSum += side.right;
    }
    // Mono and a plain stereo pair pass at full level; a fold of more is scaled as a whole.
    const float scale = speakers.size() <= 2 ? 1.0f : 1.0f / std::max({leftSum, rightSum, 1.0f});
    for (Gains& g : gains_) {
        g.left *= scale;
        g.right *= scale;
    }
}

void StereoFold::process(const float* in, std::size_t frames, float* stereo) const {
    const std::size_t channels = gains_.size();
    for (std::size_t f = 0; f < frames; ++f, in += channels) {
        float left = 0, right = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            left += in[c] * gains_[c].left;
            right += in[c] * gains_[c].right;
        }
        stereo[2 * f] = left;
        stereo[2 * f + 1] = right;
    }
}

}  // namespace jorv
