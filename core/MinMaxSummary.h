#pragma once

#include <cstdint>
#include <vector>

#include "core/WaveFormat.h"

namespace jorv {

// The lowest and highest left-channel sample of a span of frames.
struct SampleRange {
    int16_t lowest = 0;
    int16_t highest = 0;
    bool operator==(const SampleRange&) const = default;
};

// Scans every frame of first..end-1 (first < end).
SampleRange ScanLeftRange(const Frame* frames, uint32_t first, uint32_t end);

// The left channel's lowest and highest sample per block of BlockFrames frames, and per group
// of GroupBlocks blocks, so that the range of any span is found from at most a few hundred
// frames at its ends plus whole blocks and groups: a repaint reads about the same whatever the
// track's length. It describes the frames it was last built and updated from; whoever changes
// them says which ones.
class MinMaxSummary {
public:
    // 256 frames (about 6 ms of audio) keep the summary at 1/256 of the track's memory and a
    // span's ragged ends short; 64 blocks to a group keep the middle of a wide span short too.
    static constexpr uint32_t BlockFrames = 256;
    static constexpr uint32_t GroupBlocks = 64;
    static constexpr uint32_t GroupFrames = BlockFrames * GroupBlocks;

    // Summarises frames 0..count-1 afresh.
    void build(const Frame* frames, uint32_t count);
    // Frames first..end-1 of those it describes have changed.
    void update(const Frame* frames, uint32_t first, uint32_t end);
    // The range of frames first..end-1 (first < end <= the count it was built for).
    SampleRange range(const Frame* frames, uint32_t first, uint32_t end) const;
    // The number of frames it describes.
    uint32_t frames() const { return frames_; }

    bool operator==(const MinMaxSummary&) const = default;

private:
    uint32_t frames_ = 0;
    std::vector<SampleRange> blocks_;  // whole blocks only; the frames after the last are scanned
    std::vector<SampleRange> groups_;  // whole groups only
};

}  // namespace jorv
