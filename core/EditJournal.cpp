#include "core/EditJournal.h"

#include <cstring>

#include "core/Crc32.h"

namespace jorv {

namespace {

constexpr char Magic[4] = {'J', 'E', 'D', 'T'};
// A track file's path and an edit's length are bounded by what a track can hold.
constexpr uint32_t MaxPathBytes = 4096;
constexpr uint32_t MaxFrames = 256u * 1024 * 1024 / WaveFormat::bytesPerFrame;

void PutU32(std::vector<unsigned char>& out, uint32_t value) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<unsigned char>(value >> (8 * k)));
}

uint32_t GetU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }

}  // namespace

std::vector<unsigned char> EncodeEdit(const EditRecord& record) {
    std::vector<unsigned char> out(Magic, Magic + 4);
    PutU32(out, static_cast<uint32_t>(record.savedTrackFile.size()));
    out.insert(out.end(), record.savedTrackFile.begin(), record.savedTrackFile.end());
    PutU32(out, record.start);
    PutU32(out, static_cast<uint32_t>(record.frames.size()));
    const auto* frames = reinterpret_cast<const unsigned char*>(record.frames.data());
    out.insert(out.end(), frames, frames + record.frames.size() * sizeof(Frame));
    PutU32(out, Crc32(out.data(), out.size()));
    return out;
}

EditJournalContents DecodeEditJournal(std::span<const unsigned char> bytes) {
    EditJournalContents contents;
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    while (at < size) {
        const unsigned char* p = bytes.data() + at;
        const std::size_t left = size - at;
        if (left < 12 || std::memcmp(p, Magic, 4) != 0) break;
        const uint32_t pathBytes = GetU32(p + 4);
        if (pathBytes > MaxPathBytes || left < 8 + std::size_t{pathBytes} + 12) break;
        const unsigned char* after = p + 8 + pathBytes;
        const uint32_t start = GetU32(after), frames = GetU32(after + 4);
        if (frames > MaxFrames) break;
        const std::size_t length = 8 + std::size_t{pathBytes} + 8 + std::size_t{frames} * sizeof(Frame) + 4;
        if (left < length || Crc32(p, length - 4) != GetU32(p + length - 4)) break;
        EditRecord record{std::string(reinterpret_cast<const char*>(p + 8), pathBytes), start,
                          std::vector<Frame>(frames)};
        if (frames > 0) std::memcpy(record.frames.data(), after + 8, std::size_t{frames} * sizeof(Frame));
        contents.records.push_back(std::move(record));
        at += length;
        contents.recordEnds.push_back(at);
    }
    contents.damagedBytes = size - at;
    return contents;
}

}  // namespace jorv
