#include "core/MinMaxSummary.h"

#include <algorithm>
#include <limits>

namespace jorv {

namespace {

// Widens to nothing: any range merged into it replaces it.
constexpr SampleRange Nothing{std::numeric_limits<int16_t>::max(), std::numeric_limits<int16_t>::min()};

void Widen(SampleRange& range, SampleRange by) {
    range.lowest = std::min(range.lowest, by.lowest);
    range.highest = std::max(range.highest, by.highest);
}

SampleRange Merge(const SampleRange* ranges, uint32_t count) {
    SampleRange merged = Nothing;
    for (uint32_t k = 0; k < count; ++k) Widen(merged, ranges[k]);
    return merged;
}

uint32_t RoundUp(uint32_t value, uint32_t step) {
    return static_cast<uint32_t>(std::min<uint64_t>((uint64_t{value} + step - 1) / step * step, UINT32_MAX));
}

}  // namespace

// Both channels are carried along, the right one unused, so that the loop runs over plain
// 16-bit samples, which the compiler turns into vector minima and maxima.
SampleRange ScanLeftRange(const Frame* frames, uint32_t first, uint32_t end) {
    int16_t lowest[2] = {frames[first].left, frames[first].right}, highest[2] = {lowest[0], lowest[1]};
    for (uint32_t f = first + 1; f < end; ++f) {
        const int16_t sample[2] = {frames[f].left, frames[f].right};
        for (int c = 0; c < 2; ++c) {
            lowest[c] = std::min(lowest[c], sample[c]);
            highest[c] = std::max(highest[c], sample[c]);
        }
    }
    return {lowest[0], highest[0]};
}

void MinMaxSummary::build(const Frame* frames, uint32_t count) {
    frames_ = count;
    blocks_.assign(count / BlockFrames, Nothing);
    groups_.assign(count / GroupFrames, Nothing);
    update(frames, 0, count);
}

void MinMaxSummary::update(const Frame* frames, uint32_t first, uint32_t end) {
    end = std::min(end, frames_);
    if (first >= end) return;
    const uint32_t firstBlock = first / BlockFrames;
    const uint32_t endBlock = std::min<uint32_t>(RoundUp(end, BlockFrames) / BlockFrames, uint32_t(blocks_.size()));
    for (uint32_t b = firstBlock; b < endBlock; ++b)
        blocks_[b] = ScanLeftRange(frames, b * BlockFrames, (b + 1) * BlockFrames);
    const uint32_t endGroup = std::min<uint32_t>(RoundUp(endBlock, GroupBlocks) / GroupBlocks, uint32_t(groups_.size()));
    for (uint32_t g = firstBlock / GroupBlocks; g < endGroup; ++g)
        groups_[g] = Merge(&blocks_[g * GroupBlocks], GroupBlocks);
}

SampleRange MinMaxSummary::range(const Frame* frames, uint32_t first, uint32_t end) const {
    SampleRange result = Nothing;
    uint32_t f = std::min(end, RoundUp(first, BlockFrames));
    if (first < f) Widen(result, ScanLeftRange(frames, first, f));
    // Blocks up to a group's start, whole groups, the blocks after them, then the last frames.
    for (; f % GroupFrames != 0 && end - f >= BlockFrames; f += BlockFrames) Widen(result, blocks_[f / BlockFrames]);
    for (; end - f >= GroupFrames; f += GroupFrames) Widen(result, groups_[f / GroupFrames]);
    for (; end - f >= BlockFrames; f += BlockFrames) Widen(result, blocks_[f / BlockFrames]);
    if (f < end) Widen(result, ScanLeftRange(frames, f, end));
    return result;
}

}  // namespace jorv
