// Any bytes as an effect-list file: it is refused, or it loads over the front of a fresh chain
// and names only effects there are, so applying it never reaches past the catalogue.
#include <algorithm>
#include <cstring>

#include "core/Project.h"
#include "effects/EffectChain.h"
#include "effects/EffectListFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("chain.jfx", data, size);
    const EffectChain fresh = NewEffectChain();
    EffectChain chain = fresh;
    const bool loaded = ReadEffectListFile(chain, path);
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    if (!loaded) {
        FUZZ_CHECK(std::memcmp(&chain, &fresh, sizeof chain) == 0);
        return 0;
    }
    FUZZ_CHECK(ChainIsUsable(chain));
    const size_t taken = size < sizeof chain ? size : sizeof chain;
    FUZZ_CHECK(std::memcmp(&chain, data, taken) == 0);
    Project project;
    project.framesPerTrack = 64;
    for (FrameBuffer* b : {&project.trackBuffer, &project.scratchBuffer}) {
        b->reset(AllocateFrames(64));
        std::fill_n(b->get(), 64, Frame{0, 0});
    }
    EffectRandom random;
    FUZZ_CHECK(ApplyChainToRange(project, chain, 3, 60, random) == chain.chainCount);
    return 0;
}
