#include "tables/memory_policy.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define TV_SANITIZED_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TV_SANITIZED_HEAP 1
#endif

#if defined(__linux__) && defined(__GLIBC__) && !defined(TV_SANITIZED_HEAP)
#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A block of several megabytes (a table's rows, an index image, the timetable
// file) comes fresh from the system, untouched: asked now to be backed by huge
// pages, it takes one page fault per 2 MB instead of one per 4 KB, which on a
// large import is a good part of the system time. Only the whole huge pages
// inside the block are asked for, so the block starts on one: otherwise a
// block of 2 to 4 MB often holds none. A kernel without them ignores the advice.
void AdviseHugePages(void* block, std::size_t size) {
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (first < last) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace

void* operator new(std::size_t size) {
    for (;;) {
        if (size < kHugePage) {
            if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
        } else if (void* block = std::aligned_alloc(kHugePage, (size + kHugePage - 1) & ~(kHugePage - 1))) {
            AdviseHugePages(block, size);
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
#endif
