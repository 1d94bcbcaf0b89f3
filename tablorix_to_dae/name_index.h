// Short names (abbreviations, catalogue codes) numbered in the order they
// came, looked up by views: an open-addressing table of hashes and numbers,
// for the steps that look up a name for every record of a large table,
// where a node-based set with a general hash costs more than the check itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

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
    static std::uint64_t Hash(std::string_view name);
    void Grow();
    // The slot of `name`: its own, or the empty one where it would go.
    std::size_t SlotOf(std::string_view name, std::uint64_t hash) const;

    std::vector<std::string> names_;
    // Per slot, the hash's high half and the number + 1; 0 when empty.
    std::vector<std::uint64_t> slots_;
};

} // namespace tv::tablorix_to_dae
