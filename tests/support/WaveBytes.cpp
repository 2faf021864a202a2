#include "tests/support/WaveBytes.h"

namespace jorv::test {

void AppendU16(Bytes& bytes, uint16_t value) {
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void AppendU32(Bytes& bytes, uint32_t value) {
    AppendU16(bytes, static_cast<uint16_t>(value));
    AppendU16(bytes, static_cast<uint16_t>(value >> 16));
}

void AppendText(Bytes& bytes, std::string_view fourLetters) { bytes.insert(bytes.end(), fourLetters.begin(), fourLetters.end()); }

Bytes FmtChunk(const FmtFields& f) {
    Bytes body;
    AppendU16(body, f.formatTag);
    AppendU16(body, f.channels);
    AppendU32(body, f.sampleRate);
    const uint16_t blockAlign = static_cast<uint16_t>(f.channels * f.bitsPerSample / 8);
    AppendU32(body, f.sampleRate * blockAlign);
    AppendU16(body, blockAlign);
    AppendU16(body, f.bitsPerSample);
    body.resize(body.size() + f.extraBytes, 0);
    return Chunk("fmt ", body);
}

Bytes Chunk(std::string_view name, const Bytes& body) {
    Bytes bytes;
    AppendText(bytes, name);
    AppendU32(bytes, static_cast<uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2) bytes.push_back(0);
    return bytes;
}

Bytes SampleBytes(const std::vector<int16_t>& samples) {
    Bytes bytes;
    for (const int16_t s : samples) AppendU16(bytes, static_cast<uint16_t>(s));
    return bytes;
}

Bytes RiffFile(const std::vector<Bytes>& chunks) {
    Bytes body;
    AppendText(body, "WAVE");
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes file;
    AppendText(file, "RIFF");
    AppendU32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<int16_t> Interleave(const std::vector<Frame>& frames) {
    std::vector<int16_t> samples;
    for (const Frame& f : frames) {
        samples.push_back(f.left);
        samples.push_back(f.right);
    }
    return samples;
}

Bytes CanonicalWave(const std::vector<Frame>& frames) {
    return RiffFile({FmtChunk(), Chunk("data", SampleBytes(Interleave(frames)))});
}

}  // namespace jorv::test
