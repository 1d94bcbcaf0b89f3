// Which bytes of a stretch of a row are blanks, marked a bit each, and
// whether any is a NUL: found 16 bytes at a time for the steps that read
// many fields of many rows. A field's length without its trailing blanks is
// then a few bit operations, not a loop over its bytes with a branch each.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tv::tables {

class BlankMarks {
  public:
    // Fastest: by blocks where the processor has them. EachByte: a byte at a
    // time, as on other processors (the tests compare both).
    enum class Method { Fastest, EachByte };

    // The stretch of each row marked: bytes [from, to).
    BlankMarks(std::size_t from, std::size_t to, Method method = Method::Fastest);

    // Marks the stretch of `row`; whether it holds a NUL.
    bool Mark(const char* row);

    // The length of the field at `offset` (in the row) of `length` bytes,
    // inside the stretch, without its trailing blanks.
    std::size_t TrimmedLength(std::size_t offset, std::size_t length) const {
        if (length == 0) return 0;
        const std::size_t first = offset - from_;
        const std::size_t last = first + length - 1;
        std::size_t word = last / 64;
        // Bits above the field's last byte are not its own.
        std::uint64_t bits = filled_[word] & (~std::uint64_t{0} >> (63 - last % 64));
        for (;;) {
            if (word == first / 64) bits &= ~std::uint64_t{0} << (first % 64);
            if (bits != 0) return word * 64 + 64 - static_cast<std::size_t>(std::countl_zero(bits)) - first;
            if (word == first / 64) return 0;
            bits = filled_[--word];
        }
    }

  private:
    std::size_t from_, to_;
    std::vector<std::uint64_t> filled_; // bit i: byte from_ + i is not a blank
    Method method_;
};

} // namespace tv::tables
