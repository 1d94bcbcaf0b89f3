#include "tables/blank_marks.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TV_BLANK_MARKS_SSE2 1
#endif

namespace tv::tables {
namespace {

// Marks `size` bytes into `filled`, a bit each; whether one is a NUL.
bool MarkEachByte(const char* bytes, std::size_t size, std::uint64_t* filled) {
    bool nul = false;
    for (std::size_t word = 0; word * 64 < size; ++word) {
        std::uint64_t bits = 0;
        for (std::size_t i = word * 64; i < size && i < word * 64 + 64; ++i) {
            bits |= static_cast<std::uint64_t>(bytes[i] != ' ') << (i % 64);
            nul |= bytes[i] == '\0';
        }
        filled[word] = bits;
    }
    return nul;
}

#ifdef TV_BLANK_MARKS_SSE2
// The same, 16 bytes at a time. A short last block is read as the stretch's
// last 16 bytes, overlapping the block before it, and only its new bytes
// kept: nothing past the stretch is read, and nothing is copied.
bool MarkByBlocks(const char* bytes, std::size_t size, std::uint64_t* filled) {
    if (size < 16) return MarkEachByte(bytes, size, filled);
    const __m128i blanks = _mm_set1_epi8(' ');
    const __m128i zeros = _mm_setzero_si128();
    int nuls = 0;
    std::uint64_t bits = 0;
    const auto mark = [&](const char* from, std::size_t block, unsigned skipped) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const auto blank = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, blanks)));
        nuls |= _mm_movemask_epi8(_mm_cmpeq_epi8(v, zeros));
        bits |= static_cast<std::uint64_t>((~blank & 0xFFFFu) >> skipped) << (block % 4 * 16);
        if (block % 4 == 3) {
            filled[block / 4] = bits;
            bits = 0;
        }
    };
    const std::size_t whole = size / 16;
    for (std::size_t block = 0; block < whole; ++block)
        mark(bytes + block * 16, block, 0);
    if (size % 16 != 0) mark(bytes + size - 16, whole, static_cast<unsigned>(16 - size % 16));
    const std::size_t blocks = (size + 15) / 16;
    if (blocks % 4 != 0) filled[blocks / 4] = bits;
    return nuls != 0;
}
#endif

} // namespace

BlankMarks::BlankMarks(std::size_t from, std::size_t to, Method method)
    : from_(from), to_(to < from ? from : to), filled_((to_ - from_ + 63) / 64, 0), method_(method) {}

bool BlankMarks::Mark(const char* row) {
#ifdef TV_BLANK_MARKS_SSE2
    if (method_ == Method::Fastest) return MarkByBlocks(row + from_, to_ - from_, filled_.data());
#endif
    return MarkEachByte(row + from_, to_ - from_, filled_.data());
}

} // namespace tv::tables
