#include "tablorix_to_dae/name_index.h"

#include <cstring>
#include <functional>

namespace tv::tablorix_to_dae {

std::uint64_t NameIndex::Hash(std::string_view name) {
    if (name.size() > 16) return std::hash<std::string_view>{}(name) * 0x9E3779B97F4A7C15ULL;
    // A short name as two words: its first 8 bytes and its last 8, which
    // overlap when it is shorter than 16; of one shorter than 8, its bytes.
    std::uint64_t low = 0, high = 0;
    if (name.size() >= 8) {
        std::memcpy(&low, name.data(), 8);
        std::memcpy(&high, name.data() + name.size() - 8, 8);
    } else {
        for (std::size_t i = 0; i < name.size(); ++i)
            low |= static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])) << (8 * i);
    }
    // Every bit of the words reaches the low bits, which choose the slot, and
    // the high ones, kept as the tag (the finalizer of MurmurHash3).
    std::uint64_t h = low * 0x9E3779B97F4A7C15ULL ^ (high + name.size());
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 33);
}

std::size_t NameIndex::SlotOf(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint64_t tag = hash & 0xFFFFFFFF00000000ULL;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t entry = slots_[slot];
        if (entry == 0) return slot;
        if ((entry & 0xFFFFFFFF00000000ULL) == tag && names_[(entry & 0xFFFFFFFFU) - 1] == name) return slot;
    }
}

std::uint32_t NameIndex::Find(std::string_view name) const {
    if (slots_.empty()) return kNone;
    const std::uint64_t entry = slots_[SlotOf(name, Hash(name))];
    return entry == 0 ? kNone : static_cast<std::uint32_t>((entry & 0xFFFFFFFFU) - 1);
}

std::uint32_t NameIndex::Add(std::string_view name) {
    // At most half the slots in use keeps the probes short.
    if (2 * (names_.size() + 1) > slots_.size()) Grow();
    const std::uint64_t hash = Hash(name);
    std::uint64_t& entry = slots_[SlotOf(name, hash)];
    if (entry != 0) return static_cast<std::uint32_t>((entry & 0xFFFFFFFFU) - 1);
    const auto number = static_cast<std::uint32_t>(names_.size());
    names_.emplace_back(name);
    entry = (hash & 0xFFFFFFFF00000000ULL) | (number + 1);
    return number;
}

void NameIndex::Grow() {
    slots_.assign(slots_.empty() ? 16 : 2 * slots_.size(), 0);
    for (std::uint32_t number = 0; number < names_.size(); ++number) {
        const std::uint64_t hash = Hash(names_[number]);
        slots_[SlotOf(names_[number], hash)] = (hash & 0xFFFFFFFF00000000ULL) | (number + 1);
    }
}

} // namespace tv::tablorix_to_dae
