#include "core/TakeJournal.h"

#include <algorithm>
#include <cstring>

#include "core/Crc32.h"

namespace jorv {

namespace {

constexpr char HeaderMagic[4] = {'J', 'T', 'A', 'K'};
constexpr char ChunkMagic[4] = {'J', 'T', 'C', 'K'};
constexpr uint32_t MaxPathBytes = 4096;
constexpr std::size_t ChunkOverhead = 12;  // magic, frame count, checksum

void PutU32(std::vector<unsigned char>& out, uint32_t value) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<unsigned char>(value >> (8 * k)));
}

uint32_t GetU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }

// The header's length, or 0 when the bytes hold no whole, valid header.
std::size_t DecodeHeader(std::span<const unsigned char> bytes, TakeJournalHeader& header) {
    if (bytes.size() < 8 || std::memcmp(bytes.data(), HeaderMagic, 4) != 0) return 0;
    const uint32_t pathBytes = GetU32(bytes.data() + 4);
    const std::size_t length = 8 + std::size_t{pathBytes} + 29;
    if (pathBytes > MaxPathBytes || bytes.size() < length) return 0;
    const unsigned char* p = bytes.data();
    const unsigned char* q = p + 8 + pathBytes;
    // The writer stores merge as 0 or 1: anything else is not a header it wrote.
    if (Crc32(p, length - 4) != GetU32(p + length - 4) || q[12] > 1) return 0;
    header.savedTrackFile.assign(reinterpret_cast<const char*>(p + 8), pathBytes);
    header.track = static_cast<int32_t>(GetU32(q));
    header.start = GetU32(q + 4);
    header.end = GetU32(q + 8);
    header.merge = q[12] == 1;
    header.latency = static_cast<int32_t>(GetU32(q + 13));
    header.editJournalBytes = GetU32(q + 17) | uint64_t{GetU32(q + 21)} << 32;
    return length;
}

// Counts a chunk's frames and copies those that still fit; they need not be aligned in the bytes.
void TakeFrames(TakeJournalContents& contents, std::span<Frame> into, const unsigned char* bytes, std::size_t count) {
    if (contents.frames < into.size()) {
        const std::size_t fit = std::min<std::size_t>(count, into.size() - contents.frames);
        if (fit > 0) std::memcpy(into.data() + contents.frames, bytes, fit * sizeof(Frame));
    }
    contents.frames += count;
}

}  // namespace

std::vector<unsigned char> EncodeTakeHeader(const TakeJournalHeader& header) {
    std::vector<unsigned char> out(HeaderMagic, HeaderMagic + 4);
    PutU32(out, static_cast<uint32_t>(header.savedTrackFile.size()));
    out.insert(out.end(), header.savedTrackFile.begin(), header.savedTrackFile.end());
    PutU32(out, static_cast<uint32_t>(header.track));
    PutU32(out, header.start);
    PutU32(out, header.end);
    out.push_back(header.merge ? 1 : 0);
    PutU32(out, static_cast<uint32_t>(header.latency));
    PutU32(out, static_cast<uint32_t>(header.editJournalBytes));
    PutU32(out, static_cast<uint32_t>(header.editJournalBytes >> 32));
    PutU32(out, Crc32(out.data(), out.size()));
    return out;
}

std::vector<unsigned char> EncodeTakeChunk(const Frame* frames, uint32_t count) {
    std::vector<unsigned char> out(ChunkMagic, ChunkMagic + 4);
    PutU32(out, count);
    const auto* bytes = reinterpret_cast<const unsigned char*>(frames);
    out.insert(out.end(), bytes, bytes + std::size_t{count} * sizeof(Frame));
    PutU32(out, Crc32(out.data(), out.size()));
    return out;
}

std::optional<TakeJournalHeader> DecodeTakeHeader(std::span<const unsigned char> bytes) {
    TakeJournalHeader header;
    if (DecodeHeader(bytes, header) == 0) return std::nullopt;
    return header;
}

TakeJournalContents DecodeTakeJournal(std::span<const unsigned char> bytes, std::span<Frame> into) {
    TakeJournalContents contents;
    std::size_t at = DecodeHeader(bytes, contents.header);
    contents.headerRead = at > 0;
    if (!contents.headerRead) {
        contents.damaged = !bytes.empty();
        return contents;
    }
    while (at < bytes.size()) {
        const unsigned char* p = bytes.data() + at;
        const std::size_t left = bytes.size() - at;
        if (left < 8 || std::memcmp(p, ChunkMagic, 4) != 0) {
            // A chunk cut short before its count is where the take ended; anything else is damage.
            contents.damaged = left >= 8 || std::memcmp(p, ChunkMagic, std::min<std::size_t>(left, 4)) != 0;
            break;
        }
        const uint32_t count = GetU32(p + 4);
        const std::size_t length = ChunkOverhead + std::size_t{count} * sizeof(Frame);
        if (left < length) {
            // The end of the file cut this chunk short: its whole frames are the take's last.
            TakeFrames(contents, into, p + 8, std::min<std::size_t>((left - 8) / sizeof(Frame), count));
            break;
        }
        if (Crc32(p, length - 4) != GetU32(p + length - 4)) {
            contents.damaged = true;
            break;
        }
        TakeFrames(contents, into, p + 8, count);
        at += length;
    }
    return contents;
}

}  // namespace jorv
