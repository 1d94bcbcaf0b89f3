#include "tablorix_to_dae/name_index.h"

#include <functional>

namespace tv::tablorix_to_dae {

std::uint64_t NameIndex::Hash(const NameWords& words, std::string_view name) {
    if (name.size() > 16) return std::hash<std::string_view>{}(name);
    // Every bit of the words reaches the low bits, which choose the slot (the
    // finalizer of MurmurHash3).
    std::uint64_t h = words.low * 0x9E3779B97F4A7C15ULL ^ (words.high + words.length);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 33);
}

std::size_t NameIndex::SlotOf(std::string_view name, const NameWords& words, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& entry = slots_[slot];
        if (entry.number == kNone) return slot;
        if (entry.words == words && (words.length <= 16 || names_[entry.number] == name)) return slot;
    }
}

std::uint32_t NameIndex::Find(std::string_view name) const {
    if (slots_.empty()) return kNone;
    const NameWords words(name);
    return slots_[SlotOf(name, words, Hash(words, name))].number;
}

std::uint32_t NameIndex::Add(std::string_view name) {
    if (2 * (names_.size() + 1) > slots_.size()) Grow();
    const NameWords words(name);
    Slot& entry = slots_[SlotOf(name, words, Hash(words, name))];
    if (entry.number != kNone) return entry.number;
    entry = {words, static_cast<std::uint32_t>(names_.size())};
    names_.emplace_back(name);
    return entry.number;
}

void NameIndex::Grow() {
    slots_.assign(slots_.empty() ? 16 : 2 * slots_.size(), Slot{});
    for (std::uint32_t number = 0; number < names_.size(); ++number) {
        const NameWords words(names_[number]);
        slots_[SlotOf(names_[number], words, Hash(words, names_[number]))] = {words, number};
    }
}

} // namespace tv::tablorix_to_dae
