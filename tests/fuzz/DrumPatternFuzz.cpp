// Any bytes as a drum-pattern file: it loads over the front of a fresh block and no further,
// the file is never changed, and its song becomes well-formed drum events within the list.
#include <cstring>

#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEvents.h"
#include "instruments/DrumPatternFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("beat.jdp", data, size);
    DrumBlock fresh{};
    InitialiseDrumBlock(fresh);
    DrumBlock drums = fresh;
    FUZZ_CHECK(ReadDrumPatternFile(drums, path));
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    const size_t taken = size < sizeof drums ? size : sizeof drums;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&drums);
    FUZZ_CHECK(std::memcmp(bytes, data, taken) == 0);
    FUZZ_CHECK(std::memcmp(bytes + taken, reinterpret_cast<const unsigned char*>(&fresh) + taken, sizeof drums - taken) == 0);

    DrumEventList list(4096);
    BuildDrumEvents(drums, list);
    FUZZ_CHECK(list.count >= 0 && list.count <= 4096 - 4 && list.count % 2 == 0);
    for (int32_t k = 0; k < list.events(); ++k) {
        const uint32_t message = list.message(k);
        const uint32_t key = message >> 8 & 0xFF;
        FUZZ_CHECK((message & 0xFF) == 0x99 && key >= 27 && key <= 87 && (message >> 16) != 0 && (message >> 24) == 0);
    }
    return 0;
}
