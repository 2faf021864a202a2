#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

// The journal of a take being recorded: a header that says where the take goes, then the frames
// captured so far in checksummed chunks, appended while the take runs. After a crash it holds
// the take up to its last chunk; a chunk cut short by the end of the file gives its whole frames.
namespace jorv {

struct TakeJournalHeader {
    std::string savedTrackFile;
    int32_t track = 0;
    uint32_t start = 0;
    uint32_t end = 0;
    bool merge = false;
    int32_t latency = 0;
    // The edit journal's length when the take started: its edits came before the take.
    uint64_t editJournalBytes = 0;
};

std::vector<unsigned char> EncodeTakeHeader(const TakeJournalHeader& header);
std::vector<unsigned char> EncodeTakeChunk(const Frame* frames, uint32_t count);

struct TakeJournalContents {
    bool headerRead = false;
    TakeJournalHeader header;
    uint64_t frames = 0;  // whole frames the journal holds
    // Bytes that are neither whole chunks nor the cut-short end of the last one.
    bool damaged = false;
};
// The header alone, when the bytes begin with a whole, valid one.
std::optional<TakeJournalHeader> DecodeTakeHeader(std::span<const unsigned char> bytes);
// Reads a journal's bytes; its first frames, as many as `into` holds, are copied there, so that
// a recovered take goes straight into its track's buffer.
TakeJournalContents DecodeTakeJournal(std::span<const unsigned char> bytes, std::span<Frame> into = {});

}  // namespace jorv
