#pragma once

#include <cstddef>

namespace jorv {

// Sets bytes to zero. Whole pages inside a large range are handed back to the system, which
// gives zeroed pages again when they are next touched: a track buffer that is mostly silence
// then costs neither the writing nor the memory. Only for memory the program allocated itself
// (anonymous and private, as new and malloc give), never for a mapped file.
void ZeroMemory(void* at, std::size_t bytes);

}  // namespace jorv
