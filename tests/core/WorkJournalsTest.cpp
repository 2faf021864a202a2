#include <gtest/gtest.h>

#include "core/Crc32.h"
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

// The journals' checksum is the common CRC-32 however its input is split: eight bytes at a time,
// the bytes left over, and a running value carried across calls at any offset.
TEST(Crc32, IsTheCommonCheckValueInEveryWayOfSplittingTheBytes) {
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(check.data(), check.size()), 0xCBF43926u);
    Bytes bytes(1000);
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<unsigned char>(k * 131 + (k >> 3));
    uint32_t byteByByte = 0;
    for (unsigned char b : bytes) byteByByte = Crc32(&b, 1, byteByByte);
    EXPECT_EQ(Crc32(bytes.data(), bytes.size()), byteByByte);
    for (std::size_t split : {1, 7, 8, 9, 333, 999})
        EXPECT_EQ(Crc32(bytes.data() + split, bytes.size() - split, Crc32(bytes.data(), split)), byteByByte) << split;
}

// A journal read into room for `room` frames: what it says, and the frames it copied.
struct ReadTake {
    ReadTake(std::span<const unsigned char> bytes, std::size_t room) : frames(room) {
        contents = DecodeTakeJournal(bytes, frames);
        frames.resize(std::min<std::size_t>(room, contents.frames));
    }
    TakeJournalContents contents;
    std::vector<Frame> frames;
};

// A power cut leaves the journal at a page boundary: every frame written wholly before it is
// recovered, in order, and nothing else.
TEST(TakeJournal, CutAtEveryPageBoundaryGivesBackEveryFrameBeforeTheCut) {
    const WrittenTake take;
    for (std::size_t cut = 4096; cut < take.bytes.size(); cut += 4096) {
        const ReadTake read(std::span(take.bytes).first(cut), take.frames.size());
        ASSERT_TRUE(read.contents.headerRead) << cut;
        EXPECT_FALSE(read.contents.damaged) << cut;
        std::size_t whole = 0;
        while (whole < take.frameEnds.size() && take.frameEnds[whole] <= cut) ++whole;
        ASSERT_EQ(read.frames.size(), whole) << cut;
        EXPECT_TRUE(std::equal(read.frames.begin(), read.frames.end(), take.frames.begin())) << cut;
    }
    EXPECT_EQ(ReadTake(take.bytes, take.frames.size()).frames, take.frames);
    // A take longer than its track: every frame is counted, those that fit are copied.
    const ReadTake cropped(take.bytes, 4500);
    EXPECT_EQ(cropped.contents.frames, take.frames.size());
    EXPECT_EQ(cropped.frames, std::vector<Frame>(take.frames.begin(), take.frames.begin() + 4500));
    const TakeJournalContents whole = DecodeTakeJournal(take.bytes);
    EXPECT_EQ(DecodeTakeHeader(take.bytes)->savedTrackFile, "/songs/demo-Track 2.wav");
    EXPECT_EQ(whole.header.savedTrackFile, "/songs/demo-Track 2.wav");
    EXPECT_EQ(whole.header.latency, -6);
    EXPECT_TRUE(whole.header.merge);
    EXPECT_EQ(whole.header.editJournalBytes, 12345u);
}

TEST(TakeJournal, GarbageIsDamageAndOnlyTheChunksBeforeItCount) {
    const WrittenTake take;
    Bytes garbled = take.bytes;
    garbled[take.frameEnds[4000]] ^= 0x40;  // inside the second chunk
    const ReadTake read(garbled, take.frames.size());
    EXPECT_TRUE(read.contents.damaged);
    EXPECT_EQ(read.frames, std::vector<Frame>(take.frames.begin(), take.frames.begin() + 3000));
    Bytes header = take.bytes;
    header[10] ^= 1;
    EXPECT_FALSE(DecodeTakeJournal(header).headerRead);
    EXPECT_TRUE(DecodeTakeJournal(header).damaged);
    EXPECT_FALSE(DecodeTakeHeader(header));
    EXPECT_EQ(DecodeTakeJournal({}).frames, 0u);
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
