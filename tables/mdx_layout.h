// The MDX layout that reading and writing share: page and block sizes, the
// tag-table slots of both versions, key lengths per key type.
#pragma once

#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tv::tables::mdx_detail {

// Throws the sentence `cp1252Template` with its %1.. filled in; %1 names the
// index file when reading, the table when building.
[[noreturn]] inline void ThrowIndexError(std::string_view cp1252Template,
                                         std::initializer_list<std::string_view> arguments) {
    throw TableError(FormatText(cp1252Template, arguments));
}

constexpr std::size_t kPageBytes = 512;
constexpr std::size_t kBlockBytes = 1024; // what we write: two pages per block
constexpr std::size_t kTagSlots = 48;     // slot 0 is the anchor of the tag-name tree
constexpr int kMaxTags = 47;
constexpr std::size_t kExpressionAt = 24;
constexpr std::size_t kExpressionBytes = 221; // 220 characters and the NUL
constexpr std::size_t kMaxKeyLength = 100;    // dBase's limit for a key value
constexpr std::size_t kNodeOverhead = 12;     // key count, link, trailing pointer

// Tag-table slots differ between the two versions only in the width of the
// name; the bytes after the name keep the same order.
struct SlotLayout {
    std::size_t slotBytes = 0;
    std::size_t nameBytes = 0; // including room for the NUL

    std::size_t FlagAt() const { return 4 + nameBytes; }
    std::size_t LeftAt() const { return FlagAt() + 1; }
    std::size_t RightAt() const { return FlagAt() + 2; }
    std::size_t ParentAt() const { return FlagAt() + 3; }
    std::size_t MarkAt() const { return FlagAt() + 4; }
    std::size_t KeyTypeAt() const { return FlagAt() + 5; }
    std::size_t MinSlotBytes() const { return KeyTypeAt() + 1; }
};

inline SlotLayout SlotLayoutFor(int version) {
    return version == 3 ? SlotLayout{43, 33} : SlotLayout{32, 11};
}

inline std::size_t SlotOffset(const SlotLayout& layout, std::size_t tagNumber) {
    return kPageBytes + layout.slotBytes * tagNumber;
}

inline std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

inline std::size_t ItemLength(std::size_t keyLength) {
    return RoundUp(keyLength + 4, 4);
}

// Text up to the first NUL, never past `maxBytes`.
inline std::string ReadText(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t maxBytes) {
    const auto* begin = reinterpret_cast<const char*>(bytes.data() + at);
    const auto* end = std::find(begin, begin + maxBytes, '\0');
    return std::string(begin, end);
}

inline std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Fixed-size key types have one possible key length; 0 = any (C).
inline std::size_t FixedKeyLength(char keyType) {
    switch (keyType) {
    case 'N':
    case 'F':
        return 12;
    case 'D':
    case 'O':
    case '@':
        return 8;
    case 'I':
    case '+':
        return 4;
    default:
        return 0;
    }
}

inline bool IsKnownKeyType(char keyType) {
    return keyType == 'C' || FixedKeyLength(keyType) != 0;
}

} // namespace tv::tables::mdx_detail
