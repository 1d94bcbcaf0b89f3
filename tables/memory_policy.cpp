#include "tables/memory_policy.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tv::tables {

void ReturnLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
    constexpr int kLargeBlock = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock); // a fixed value also stops the library from raising it
#endif
}

} // namespace tv::tables
