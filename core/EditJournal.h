#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

// The journal of edits a working copy keeps between writes of its track: each record names the
// track's saved file and holds the frames an edit left, and a checksum, so that a record cut
// short by a crash or damaged on disk is known and nothing after it is trusted.
namespace jorv {

struct EditRecord {
    std::string savedTrackFile;
    uint32_t start = 0;
    std::vector<Frame> frames;
};

std::vector<unsigned char> EncodeEdit(const EditRecord& record);

struct EditJournalContents {
    std::vector<EditRecord> records;
    // Where each record ends in the journal, in bytes.
    std::vector<std::size_t> recordEnds;
    // Bytes after the last whole record (a cut-short or damaged tail).
    std::size_t damagedBytes = 0;
};
EditJournalContents DecodeEditJournal(std::span<const unsigned char> bytes);

}  // namespace jorv
