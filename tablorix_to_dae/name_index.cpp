#include "tablorix_to_dae/name_index.h"

#include <functional>

namespace tv::tablorix_to_dae {

std::uint64_t NameIndex::Hash(std::string_view name) {
    if (name.size() > 16) return std::hash<std::string_view>{}(name) * 0x9E3779B97F4A7C15ULL;
    // The bytes of a short name as two words, mixed by multiplication.
    std::uint64_t low = 0, high = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<std::uint64_t>(static_cast<unsigned char>(name[i]));
        (i < 8 ? low : high) |= byte << (8 * (i % 8));
    }
    std::uint64_t h = (low ^ 0x9E3779B97F4A7C15ULL) * 0xBF58476D1CE4E5B9ULL;
    h ^= (high + name.size()) * 0x94D049BB133111EBULL;
    return h ^ (h >> 29);
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
