#include <gtest/gtest.h>

#include "core/EditJournal.h"
#include "core/TakeJournal.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

using Bytes = std::vector<unsigned char>;

// A take of five chunks as the journal's thread writes them, with where each frame ends.
struct WrittenTake {
    WrittenTake() {
        bytes = EncodeTakeHeader({"/songs/demo-Track 2.wav", 1, 100, 90000, true, -6, 12345});
        for (int chunk = 0; chunk < 5; ++chunk) {
            const std::vector<Frame> part = Ramp(3000, int16_t(chunk + 1));
            const Bytes encoded = EncodeTakeChunk(part.data(), uint32_t(part.size()));
            for (std::size_t k = 0; k < part.size(); ++k) frameEnds.push_back(bytes.size() + 8 + 4 * (k + 1));
            bytes.insert(bytes.end(), encoded.begin(), encoded.end());
            frames.insert(frames.end(), part.begin(), part.end());
        }
    }
    Bytes bytes;
    std::vector<Frame> frames;
    std::vector<std::size_t> frameEnds;
};

// A power cut leaves the journal at a page boundary: every frame written wholly before it is
// recovered, in order, and nothing else.
TEST(TakeJournal, CutAtEveryPageBoundaryGivesBackEveryFrameBeforeTheCut) {
    const WrittenTake take;
    for (std::size_t cut = 4096; cut < take.bytes.size(); cut += 4096) {
        const TakeJournalContents read = DecodeTakeJournal({take.bytes.begin(), take.bytes.begin() + long(cut)});
        ASSERT_TRUE(read.headerRead) << cut;
        EXPECT_FALSE(read.damaged) << cut;
        std::size_t whole = 0;
        while (whole < take.frameEnds.size() && take.frameEnds[whole] <= cut) ++whole;
        ASSERT_EQ(read.frames.size(), whole) << cut;
        EXPECT_TRUE(std::equal(read.frames.begin(), read.frames.end(), take.frames.begin())) << cut;
    }
    const TakeJournalContents whole = DecodeTakeJournal(take.bytes);
    EXPECT_EQ(whole.frames, take.frames);
    EXPECT_EQ(whole.header.savedTrackFile, "/songs/demo-Track 2.wav");
    EXPECT_EQ(whole.header.latency, -6);
    EXPECT_TRUE(whole.header.merge);
    EXPECT_EQ(whole.header.editJournalBytes, 12345u);
}

TEST(TakeJournal, GarbageIsDamageAndOnlyTheChunksBeforeItCount) {
    const WrittenTake take;
    Bytes garbled = take.bytes;
    garbled[take.frameEnds[4000]] ^= 0x40;  // inside the second chunk
    const TakeJournalContents read = DecodeTakeJournal(garbled);
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.frames, std::vector<Frame>(take.frames.begin(), take.frames.begin() + 3000));
    Bytes header = take.bytes;
    header[10] ^= 1;
    EXPECT_FALSE(DecodeTakeJournal(header).headerRead);
    EXPECT_TRUE(DecodeTakeJournal(header).damaged);
    EXPECT_TRUE(DecodeTakeJournal({}).frames.empty());
}

// An edit is whole or it is not there: a cut anywhere keeps exactly the records before it.
TEST(EditJournal, CutAnywhereKeepsTheWholeRecordsBeforeItAndCallsTheRestDamage) {
    Bytes bytes;
    std::vector<std::size_t> ends;
    for (int edit = 0; edit < 6; ++edit) {
        const Bytes record = EncodeEdit({"/songs/demo-Track 1.wav", uint32_t(1000 * edit), Ramp(700, int16_t(edit + 1))});
        bytes.insert(bytes.end(), record.begin(), record.end());
        ends.push_back(bytes.size());
    }
    for (std::size_t cut = 0; cut <= bytes.size(); cut += 97) {
        const EditJournalContents read = DecodeEditJournal({bytes.begin(), bytes.begin() + long(cut)});
        const std::size_t whole = std::size_t(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        ASSERT_EQ(read.records.size(), whole) << cut;
        EXPECT_EQ(read.damagedBytes, cut - (whole ? ends[whole - 1] : 0)) << cut;
        if (whole) {
            EXPECT_EQ(read.records.back().start, 1000 * (whole - 1));
            EXPECT_EQ(read.records.back().frames, Ramp(700, int16_t(whole)));
            EXPECT_EQ(read.recordEnds.back(), ends[whole - 1]);
        }
    }
}

}  // namespace
}  // namespace jorv::test
