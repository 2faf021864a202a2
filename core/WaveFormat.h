#pragma once

#include <bit>
#include <cstdint>

namespace jorv {

// Buffers are written to and read from wave files as they lie in memory.
static_assert(std::endian::native == std::endian::little, "Jorv assumes a little-endian machine");

struct WaveFormat {
    static constexpr uint32_t sampleRate = 44100;
    static constexpr uint16_t channels = 2;
    static constexpr uint16_t bitsPerSample = 16;
    static constexpr uint16_t bytesPerFrame = channels * bitsPerSample / 8;
};

struct Frame {
    int16_t left;
    int16_t right;
};
static_assert(sizeof(Frame) == WaveFormat::bytesPerFrame);

// Mixed sample values stay inside this range, so -32768 never appears in a mix.
constexpr int32_t MixMax = 32767;
constexpr int32_t MixMin = -32767;

// One megabyte of track memory holds this many frames.
constexpr uint32_t FramesPerMegabyte = 1048576 / WaveFormat::bytesPerFrame;

}  // namespace jorv
