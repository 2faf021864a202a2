#include "core/ZeroMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace jorv {

namespace {

// Below this, writing the zeros is cheaper than asking the system.
constexpr std::size_t LargeRange = 256 * 1024;

}  // namespace

void ZeroMemory(void* at, std::size_t bytes) {
    auto* const begin = static_cast<unsigned char*>(at);
    if (bytes < LargeRange) {
        std::memset(begin, 0, bytes);
        return;
    }
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) & ~(page - 1);
    const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(begin) + bytes) & ~(page - 1);
    auto* const pagesBegin = reinterpret_cast<unsigned char*>(first);
    auto* const pagesEnd = reinterpret_cast<unsigned char*>(last);
    std::memset(begin, 0, static_cast<std::size_t>(pagesBegin - begin));
    if (::madvise(pagesBegin, static_cast<std::size_t>(pagesEnd - pagesBegin), MADV_DONTNEED) != 0)
        std::memset(pagesBegin, 0, static_cast<std::size_t>(pagesEnd - pagesBegin));
    std::memset(pagesEnd, 0, static_cast<std::size_t>(begin + bytes - pagesEnd));
}

}  // namespace jorv
