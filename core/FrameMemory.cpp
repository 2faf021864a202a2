#include "core/FrameMemory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace jorv {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

}  // namespace

void ReleaseFrames::operator()(Frame* frames) const { std::free(frames); }

Frame* AllocateFrames(std::size_t frames) {
    const std::size_t bytes = frames * sizeof(Frame);
    if (bytes < HugePage) return static_cast<Frame*>(std::malloc(bytes ? bytes : 1));
    const std::size_t whole = (bytes + HugePage - 1) / HugePage * HugePage;
    void* const memory = std::aligned_alloc(HugePage, whole);
    if (memory) ::madvise(memory, whole, MADV_HUGEPAGE);  // a hint: without it the buffer still works
    return static_cast<Frame*>(memory);
}

}  // namespace jorv
