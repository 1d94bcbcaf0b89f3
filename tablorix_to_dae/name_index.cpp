#include "tablorix_to_dae/name_index.h"

#include <bit>
#include <functional>

namespace tv::tablorix_to_dae {

std::uint64_t NameIndex::Hash(const NameWords& words, std::string_view name) {
    if (name.size() > 16) return std::hash<std::string_view>{}(name)*0x9E3779B97F4A7C15ULL;
    // One multiplication: its top bits, which choose the slot, depend on every bit of the words.
    return (words.low ^ std::rotl(words.high * 0xC2B2AE3D27D4EB4FULL, 31) ^ words.length) *
           0x9E3779B97F4A7C15ULL;
}

std::size_t NameIndex::SlotOf(std::string_view name, const NameWords& words, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const auto tag = static_cast<std::uint32_t>(hash);
    for (std::size_t slot = static_cast<std::size_t>(hash >> shift_);; slot = (slot + 1) & mask) {
        const Slot& entry = slots_[slot];
        if (entry.number == kNone) return slot;
        if (entry.tag == tag && words_[entry.number] == words &&
            (words.length <= 16 || names_[entry.number] == name))
            return slot;
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
    const std::uint64_t hash = Hash(words, name);
    Slot& entry = slots_[SlotOf(name, words, hash)];
    if (entry.number != kNone) return entry.number;
    entry = {static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(hash)};
    names_.emplace_back(name);
    words_.push_back(words);
    return entry.number;
}

void NameIndex::Grow() {
    slots_.assign(slots_.empty() ? 16 : 2 * slots_.size(), Slot{});
    shift_ = 64 - std::countr_zero(slots_.size());
    for (std::uint32_t number = 0; number < names_.size(); ++number) {
        const std::uint64_t hash = Hash(words_[number], names_[number]);
        slots_[SlotOf(names_[number], words_[number], hash)] = {number, static_cast<std::uint32_t>(hash)};
    }
}

} // namespace tv::tablorix_to_dae
