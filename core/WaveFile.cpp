#include "core/WaveFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/FileHandle.h"
#include "core/FileReplacement.h"
#include "core/Mixing.h"
#include "core/ZeroMemory.h"

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

uint16_t Low16(const std::array<unsigned char, 4>& b) { return uint16_t(b[0] | b[1] << 8); }

constexpr uint16_t PcmTag = 1;
// WAVE_FORMAT_EXTENSIBLE: the real format is the first two bytes of its sub-format GUID.
constexpr uint16_t ExtensibleTag = 0xFFFE;
constexpr int32_t ExtensibleFmtSize = 40;

// Steps over chunks until one whose name starts with the given letters; false when the file
// ends first. Other programs put LIST, JUNK or bext chunks before "fmt " as well as "data".
bool FindChunk(HeaderReader& reader, const char* name, std::size_t letters, std::array<unsigned char, 4>& found) {
    found = reader.next();
    while (std::memcmp(found.data(), name, letters) != 0) {
        if (!reader.lastComplete()) return false;
        reader.skipChunkBody(static_cast<int32_t>(ReadU32(reader.next())));
        found = reader.next();
    }
    return true;
}

struct FormatInfo {
    WaveLoadResult warning = WaveLoaded;
    uint8_t channels = 0;
};

// Steps through the header up to the first byte of the samples; returns the failure, or
// WaveLoaded with the data size in dataBytes.
WaveLoadResult ReadHeader(std::FILE* file, FormatInfo& format, uint32_t& dataBytes) {
    HeaderReader reader(file);
    const auto riff = reader.next();
    // "RIFX" holds big-endian samples, which would load as noise.
    if (!StartsWith3(riff, "RIF") || riff[3] == 'X') return WaveNoRiff;
    reader.next();  // RIFF size
    if (!StartsWith3(reader.next(), "WAV")) return WaveNoWave;
    std::array<unsigned char, 4> name{};
    if (!FindChunk(reader, "fmt", 3, name)) return WaveNoFmt;
    const auto fmtSize = static_cast<int32_t>(ReadU32(reader.next()));
    const auto tagAndChannels = reader.next();
    const bool extensible = Low16(tagAndChannels) == ExtensibleTag && fmtSize >= ExtensibleFmtSize;
    if (tagAndChannels[0] != PcmTag && !extensible) return WaveNotPcm;
    format.channels = tagAndChannels[2];
    if (format.channels != 2) format.warning = WaveChannelWarning;
    const auto rate = reader.next();
    if (Low16(rate) != (WaveFormat::sampleRate & 0xFFFF))
        format.warning = format.warning == WaveChannelWarning ? WaveChannelAndRateWarning : WaveRateWarning;
    reader.next();  // byte rate
    const bool sixteenBits = reader.next()[2] == WaveFormat::bitsPerSample;
    int64_t rest = int64_t{fmtSize} - 16;
    if (extensible) {
        reader.next();  // extension size and valid bits
        reader.next();  // channel mask
        if (Low16(reader.next()) != PcmTag) return WaveNotPcm;
        rest -= 12;
    }
    if (!sixteenBits) return WaveWrongBits;
    reader.skipChunkBody(rest);
    if (!FindChunk(reader, "data", 4, name)) return WaveNoData;
    dataBytes = ReadU32(reader.next());
    return WaveLoaded;
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
    ZeroMemory(bytes + completeSampleBytes, std::size_t{framesPerTrack} * WaveFormat::bytesPerFrame - completeSampleBytes);
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
        case WaveUnreadable: return "Could not read wave file.";
        default: return {};
    }
}

WaveLoadResult LoadWave(const std::string& path, Frame* buffer, uint32_t framesPerTrack, UiServices& ui,
                        uint32_t* framesLoaded) {
    if (framesLoaded) *framesLoaded = 0;
    // A file we may not write to is still read; only a missing file becomes a silent one, and
    // anything else that cannot be read is left exactly as it is.
    FileForReading opened = OpenForReading(path);
    if (opened.outcome == FileForReading::Outcome::Missing) {
        ClearFrames(buffer, 0, framesPerTrack);
        SaveWave(0, framesPerTrack > 0 ? framesPerTrack - 1 : 0, path, buffer, ui);
        return WaveLoaded;
    }
    if (!opened.file) {
        ShowError(ui, WaveFailureMessage(WaveUnreadable));
        return WaveUnreadable;
    }
    FileHandle file = std::move(opened.file);
    FormatInfo format;
    uint32_t dataBytes = 0;
    if (const WaveLoadResult failure = ReadHeader(file.get(), format, dataBytes); failure != WaveLoaded) {
        file.reset();
        ShowError(ui, WaveFailureMessage(failure));
        return failure;
    }
    const uint32_t frames = ReadSamples(file.get(), buffer, framesPerTrack, format.channels, dataBytes);
    file.reset();
    if (framesLoaded) *framesLoaded = frames;
    if (format.warning != WaveLoaded) ShowWarning(ui, WaveWarningMessage);
    return format.warning;
}

WaveHeaderInfo InspectWave(const std::string& path) {
    FileForReading opened = OpenForReading(path);
    if (!opened.file) return {};
    FormatInfo format;
    uint32_t dataBytes = 0;
    WaveHeaderInfo info;
    info.result = ReadHeader(opened.file.get(), format, dataBytes);
    if (info.result != WaveLoaded) return info;
    info.result = format.warning;
    const long samplesAt = std::ftell(opened.file.get());
    std::fseek(opened.file.get(), 0, SEEK_END);
    const long end = std::ftell(opened.file.get());
    const uint64_t held = std::min<uint64_t>(dataBytes, samplesAt >= 0 && end > samplesAt ? uint64_t(end - samplesAt) : 0);
    info.frames = static_cast<uint32_t>(held / (format.channels == 1 ? 2 : WaveFormat::bytesPerFrame));
    return info;
}

WaveSaveResult SaveWave(uint32_t from, uint32_t to, const std::string& path, const Frame* buffer, UiServices& ui,
             Durability durability) {
    FileReplacement replacement(path, durability);
    if (!replacement.file()) {
        ShowError(ui, WaveSaveFailedMessage);
        return WaveNotSaved;
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
    bool written = std::fwrite(header, 1, sizeof header, replacement.file()) == sizeof header;
    // A file of no frames has no samples to write (and its buffer may be empty).
    written = written && (dataBytes == 0 || std::fwrite(buffer + from, 1, dataBytes, replacement.file()) == dataBytes);
    written = written && replacement.commit();
    // A full disk keeps the old file; say so rather than pretend the audio is safe.
    if (!written) {
        ShowError(ui, WaveSaveFailedMessage);
        return WaveNotSaved;
    }
    return WaveSaved;
}

}  // namespace jorv
