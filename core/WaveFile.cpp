#include "core/WaveFile.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/FileHandle.h"
#include "core/Mixing.h"

namespace jorv {

namespace {

uint32_t ReadU32(const std::array<unsigned char, 4>& b) {
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void PutU16(unsigned char* at, uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void PutU32(unsigned char* at, uint32_t value) {
    PutU16(at, static_cast<uint16_t>(value));
    PutU16(at + 2, static_cast<uint16_t>(value >> 16));
}

// Reads the next four bytes; past the end of the file the missing bytes read as zero, which
// matches none of the identifiers the reader looks for.
class HeaderReader {
public:
    explicit HeaderReader(std::FILE* file) : file_(file) {}

    std::array<unsigned char, 4> next() {
        std::array<unsigned char, 4> bytes{};
        lastComplete_ = std::fread(bytes.data(), 1, bytes.size(), file_) == bytes.size();
        return bytes;
    }
    bool lastComplete() const { return lastComplete_; }

    // RIFF pads a chunk of odd size with one byte that its size does not count.
    void skipChunkBody(int64_t size) {
        if (size > 0) std::fseek(file_, static_cast<long>(size + (size & 1)), SEEK_CUR);
    }

private:
    std::FILE* file_;
    bool lastComplete_ = true;
};

bool StartsWith3(const std::array<unsigned char, 4>& b, const char* letters) {
    return std::memcmp(b.data(), letters, 3) == 0;
}

struct FormatInfo {
    int warning = 0;
    uint8_t channels = 0;
};

// Steps through the header up to the first byte of the samples; returns the failure code or 0,
// with the data size in dataBytes.
int ReadHeader(std::FILE* file, FormatInfo& format, uint32_t& dataBytes) {
    HeaderReader reader(file);
    if (!StartsWith3(reader.next(), "RIF")) return WaveNoRiff;
    reader.next();  // RIFF size
    if (!StartsWith3(reader.next(), "WAV")) return WaveNoWave;
    if (!StartsWith3(reader.next(), "fmt")) return WaveNoFmt;
    const auto fmtSize = static_cast<int32_t>(ReadU32(reader.next()));
    const auto tagAndChannels = reader.next();
    if (tagAndChannels[0] != 1) return WaveNotPcm;
    format.channels = tagAndChannels[2];
    if (format.channels != 2) format.warning = WaveChannelWarning;
    const auto rate = reader.next();
    if ((rate[0] | rate[1] << 8) != int(WaveFormat::sampleRate & 0xFFFF)) format.warning += WaveRateWarning;
    reader.next();  // byte rate
    if (reader.next()[2] != WaveFormat::bitsPerSample) return WaveWrongBits;
    reader.skipChunkBody(int64_t{fmtSize} - 16);

    auto name = reader.next();
    while (std::memcmp(name.data(), "data", 4) != 0) {
        if (!reader.lastComplete()) return WaveNoData;
        reader.skipChunkBody(static_cast<int32_t>(ReadU32(reader.next())));
        name = reader.next();
    }
    dataBytes = ReadU32(reader.next());
    return 0;
}

// Mono sample k becomes frame k; working downwards lets the widening happen in place.
void WidenMono(Frame* buffer, uint32_t samples) {
    auto* mono = reinterpret_cast<int16_t*>(buffer);
    for (uint32_t k = samples; k-- > 0;) {
        const int16_t value = mono[k];
        buffer[k] = Frame{value, value};
    }
}

// Reads the samples and fills the rest of the buffer with silence; returns whole frames read.
uint32_t ReadSamples(std::FILE* file, Frame* buffer, uint32_t framesPerTrack, uint8_t channels, uint32_t dataBytes) {
    const bool mono = channels == 1;
    const uint64_t bytesPerItem = mono ? 2 : WaveFormat::bytesPerFrame;
    const uint64_t wanted = std::min<uint64_t>(dataBytes, uint64_t{framesPerTrack} * bytesPerItem);
    auto* bytes = reinterpret_cast<unsigned char*>(buffer);
    const std::size_t got = std::fread(bytes, 1, static_cast<std::size_t>(wanted), file);
    const std::size_t completeSampleBytes = got & ~std::size_t{1};
    if (mono) {
        const auto samples = static_cast<uint32_t>(completeSampleBytes / 2);
        WidenMono(buffer, samples);
        ClearFrames(buffer, samples, framesPerTrack);
        return samples;
    }
    std::memset(bytes + completeSampleBytes, 0, std::size_t{framesPerTrack} * WaveFormat::bytesPerFrame - completeSampleBytes);
    return static_cast<uint32_t>(got / WaveFormat::bytesPerFrame);
}

}  // namespace

std::string_view WaveFailureMessage(int result) {
    switch (result) {
        case WaveNoRiff: return "No RIFF header found in wav file.";
        case WaveNoWave: return "No WAVE header found in wave file.";
        case WaveNoFmt: return "No fmt_ header found in wave file.";
        case WaveNotPcm: return "Not a PCM format wave file.";
        case WaveWrongBits: return "Wrong bit count in wave file.";
        case WaveNoData: return "No data chunk found in wave file.";
        default: return {};
    }
}

int LoadWave(const std::string& path, Frame* buffer, uint32_t framesPerTrack, UiServices& ui, uint32_t* framesLoaded) {
    if (framesLoaded) *framesLoaded = 0;
    // A file we may not write to is still read; only a missing file becomes a silent one.
    FileHandle file = OpenFile(path, "rb");
    if (!file) {
        ClearFrames(buffer, 0, framesPerTrack);
        SaveWave(0, framesPerTrack > 0 ? framesPerTrack - 1 : 0, path, buffer, ui);
        return WaveLoaded;
    }
    FormatInfo format;
    uint32_t dataBytes = 0;
    if (const int failure = ReadHeader(file.get(), format, dataBytes)) {
        file.reset();
        ShowError(ui, WaveFailureMessage(failure));
        return failure;
    }
    const uint32_t frames = ReadSamples(file.get(), buffer, framesPerTrack, format.channels, dataBytes);
    file.reset();
    if (framesLoaded) *framesLoaded = frames;
    if (format.warning > 0) ShowError(ui, WaveWarningMessage);
    return format.warning;
}

int SaveWave(uint32_t from, uint32_t to, const std::string& path, const Frame* buffer, UiServices& ui) {
    FileHandle file = OpenFile(path, "wb");
    if (!file) {
        ShowError(ui, WaveSaveFailedMessage);
        return -1;
    }
    const uint32_t dataBytes = (to - from) * uint32_t{WaveFormat::bytesPerFrame};
    unsigned char header[44];
    std::memcpy(header, "RIFF", 4);
    PutU32(header + 4, dataBytes + 36);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    PutU32(header + 16, 16);
    PutU16(header + 20, 1);
    PutU16(header + 22, WaveFormat::channels);
    PutU32(header + 24, WaveFormat::sampleRate);
    PutU32(header + 28, WaveFormat::sampleRate * WaveFormat::bytesPerFrame);
    PutU16(header + 32, WaveFormat::bytesPerFrame);
    PutU16(header + 34, WaveFormat::bitsPerSample);
    std::memcpy(header + 36, "data", 4);
    PutU32(header + 40, dataBytes);
    bool written = std::fwrite(header, 1, sizeof header, file.get()) == sizeof header;
    written = written && std::fwrite(buffer + from, 1, dataBytes, file.get()) == dataBytes;
    written = (std::fclose(file.release()) == 0) && written;
    // A full disk leaves a short file behind; say so rather than pretend the audio is safe.
    if (!written) {
        ShowError(ui, WaveSaveFailedMessage);
        return -1;
    }
    return 0;
}

}  // namespace jorv
