#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/WaveFormat.h"

// Wave files built byte by byte, the way other programs lay them out.
namespace jorv::test {

using Bytes = std::vector<unsigned char>;

void AppendU16(Bytes& bytes, uint16_t value);
void AppendU32(Bytes& bytes, uint32_t value);
void AppendText(Bytes& bytes, std::string_view fourLetters);

struct FmtFields {
    uint16_t formatTag = 1;
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    uint16_t bitsPerSample = 16;
    uint16_t extraBytes = 0;  // beyond the 16 of a plain fmt chunk
};

Bytes FmtChunk(const FmtFields& fields = {});
Bytes Chunk(std::string_view name, const Bytes& body);  // with the pad byte after an odd body
Bytes SampleBytes(const std::vector<int16_t>& samples);
// "RIFF" size "WAVE" followed by the chunks as given.
Bytes RiffFile(const std::vector<Bytes>& chunks);
Bytes CanonicalWave(const std::vector<Frame>& frames);

std::vector<int16_t> Interleave(const std::vector<Frame>& frames);

}  // namespace jorv::test
