#include "tables/write_faults.h"

#include <cstdlib>

namespace tv::tables {

bool InjectedWriteFailure() {
    static const long failAt = [] {
        const char* value = std::getenv("TV_FALLO_ESCRITURA");
        return value ? std::strtol(value, nullptr, 10) : 0L;
    }();
    static long count = 0;
    return failAt > 0 && ++count == failAt;
}

} // namespace tv::tables
