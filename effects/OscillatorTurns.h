#pragma once

#include <cstddef>
#include <vector>

#include "effects/EffectMath.h"

namespace jorv {

// The phase of an oscillating effect starts again at exactly 0 after each turn (see
// AdvancePhase), so every turn passes through the same phases bit for bit. What the effect works
// out from the phase (valueOf, which may depend on nothing else) is therefore computed during
// the first turn only and read back in the later ones. A turn too long to keep is simply
// computed throughout.
template <typename Value, typename ValueOf>
class OscillatorTurns {
public:
    OscillatorTurns(float step, ValueOf valueOf) : step_(step), valueOf_(valueOf), value_(valueOf_(phase_)) {
        kept_.push_back(value_);
    }

    // valueOf(phase) of the current phase.
    const Value& value() const { return value_; }

    void advance() {
        phase_ = fxmath::AdvancePhase(phase_, step_);
        ++index_;
        if (phase_ == 0.0f && index_ == kept_.size()) {
            repeating_ = true;
            index_ = 0;
        }
        if (repeating_) {
            value_ = kept_[index_];
            return;
        }
        value_ = valueOf_(phase_);
        if (kept_.size() < LongestKept) kept_.push_back(value_);
    }

private:
    static constexpr std::size_t LongestKept = std::size_t{1} << 17;
    float step_;
    float phase_ = 0;
    ValueOf valueOf_;
    Value value_;
    std::size_t index_ = 0;
    bool repeating_ = false;
    std::vector<Value> kept_;
};

template <typename ValueOf>
OscillatorTurns(float, ValueOf) -> OscillatorTurns<decltype(std::declval<ValueOf>()(0.0f)), ValueOf>;

}  // namespace jorv
