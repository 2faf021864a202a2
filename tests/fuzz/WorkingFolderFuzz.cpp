// Any bytes as a working folder's journals: what is read back is exactly a prefix of the bytes
// written as the journal writes them, never more than the bytes hold, and the rest is damage.
#include <algorithm>

#include "core/EditJournal.h"
#include "core/TakeJournal.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

namespace {

void CheckEditJournal(const fuzz::Bytes& bytes) {
    const EditJournalContents read = DecodeEditJournal(bytes);
    FUZZ_CHECK(read.records.size() == read.recordEnds.size());
    fuzz::Bytes again;
    for (std::size_t k = 0; k < read.records.size(); ++k) {
        const fuzz::Bytes record = EncodeEdit(read.records[k]);
        again.insert(again.end(), record.begin(), record.end());
        FUZZ_CHECK(again.size() == read.recordEnds[k]);
    }
    FUZZ_CHECK(again.size() + read.damagedBytes == bytes.size());
    FUZZ_CHECK(std::equal(again.begin(), again.end(), bytes.begin()));
}

void CheckTakeJournal(const fuzz::Bytes& bytes) {
    // Room for half the frames the bytes could hold, so that copying stops where the room ends.
    std::vector<Frame> room(bytes.size() / sizeof(Frame) / 2);
    const TakeJournalContents read = DecodeTakeJournal(bytes, room);
    FUZZ_CHECK(read.headerRead == DecodeTakeHeader(bytes).has_value());
    if (!read.headerRead) {
        FUZZ_CHECK(read.frames == 0);
        return;
    }
    const fuzz::Bytes header = EncodeTakeHeader(read.header);
    FUZZ_CHECK(header.size() <= bytes.size() && std::equal(header.begin(), header.end(), bytes.begin()));
    FUZZ_CHECK(header.size() + read.frames * sizeof(Frame) <= bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Bytes bytes(data, data + size);
    CheckEditJournal(bytes);
    CheckTakeJournal(bytes);
    return 0;
}
