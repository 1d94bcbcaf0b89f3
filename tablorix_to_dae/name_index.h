// Short names (abbreviations, catalogue codes) numbered in the order they
// came, looked up by views: an open-addressing table holding each name of up
// to 16 bytes as two words, for the steps that look up a name for every
// record of a large table, where a node-based set with a general hash and a
// comparison of bytes costs more than the check itself.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

// A name as two words: its first 8 bytes and its last 8, which overlap when
// it is shorter than 16; of one shorter than 8, its bytes and zeros. With the
// length, they are the name itself up to 16 bytes.
struct NameWords {
    // Shorter than 8: two loads that overlap in the middle, no loop over the bytes.
    explicit NameWords(std::string_view name) : length(name.size()) {
        static_assert(std::endian::native == std::endian::little);
        const char* bytes = name.data();
        if (length >= 8) {
            std::memcpy(&low, bytes, 8);
            std::memcpy(&high, bytes + length - 8, 8);
        } else if (length >= 4) {
            std::uint32_t first = 0, last = 0;
            std::memcpy(&first, bytes, 4);
            std::memcpy(&last, bytes + length - 4, 4);
            low = first | static_cast<std::uint64_t>(last) << (8 * (length - 4));
        } else if (length > 0) {
            const auto byte = [&](std::size_t i) {
                return static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
            };
            low = byte(0) | byte(length / 2) | byte(length - 1);
        }
    }
    bool operator==(const NameWords&) const = default;

    std::uint64_t low = 0, high = 0;
    std::size_t length = 0;
};

// a == b, by words for names of up to 16 bytes (no call for a few bytes).
inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a.size() > 16) return a == b;
    return NameWords(a) == NameWords(b);
}

class NameIndex {
  public:
    NameIndex() = default;
    template <class Names> explicit NameIndex(const Names& names) {
        for (const auto& name : names)
            Add(name);
    }

    // The number of `name`; a new one, the next, when it was not there.
    std::uint32_t Add(std::string_view name);
    // The number of `name`, or kNone.
    std::uint32_t Find(std::string_view name) const;
    bool contains(std::string_view name) const { return Find(name) != kNone; }
    bool empty() const { return names_.empty(); }
    std::size_t size() const { return names_.size(); }
    const std::string& Name(std::uint32_t number) const { return names_[number]; }

    static constexpr std::uint32_t kNone = ~std::uint32_t{0};

  private:
    // Eight bytes, so that the table of a catalogue stays in the nearest
    // cache while the rows stream past: the name's words are looked at only
    // when the hash's low half, the tag, matches.
    struct Slot {
        std::uint32_t number = kNone; // kNone: empty
        std::uint32_t tag = 0;
    };

    static std::uint64_t Hash(const NameWords& words, std::string_view name);
    void Grow();
    // The slot of `name`: its own, or the empty one where it would go.
    std::size_t SlotOf(std::string_view name, const NameWords& words, std::uint64_t hash) const;

    std::vector<std::string> names_;
    std::vector<NameWords> words_; // by number
    std::vector<Slot> slots_;      // a power of two of them, at most half in use
    int shift_ = 64;               // a hash's top bits, 64 - shift_ of them, choose its slot
};

} // namespace tv::tablorix_to_dae
