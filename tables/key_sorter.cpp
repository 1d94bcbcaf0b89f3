#include "tables/key_sorter.h"

#include "tables/index_key.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <string_view>

namespace tv::tables {
namespace {

// Keys that compare as their unsigned bytes; the others (packed decimals,
// dates as doubles) need CompareIndexKeys.
bool ComparesAsBytes(char keyType) {
    return keyType != 'N' && keyType != 'F' && keyType != 'D';
}

// Longer byte keys sort faster by comparison than by one radix pass per byte.
constexpr std::size_t kMaxRadixKeyLength = 24;

// Least significant byte first, each pass stable, so equal keys keep the
// record order they start in. The counts of every byte position come from
// one pass over the keys; a position where every key holds the same byte
// is skipped.
void RadixSort(const char* keys, std::size_t keyLength, std::vector<std::uint32_t>& order) {
    std::vector<std::array<std::size_t, 257>> starts(keyLength);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const char* key = keys + k * keyLength;
        for (std::size_t byte = 0; byte < keyLength; ++byte)
            ++starts[byte][static_cast<std::uint8_t>(key[byte]) + 1];
    }
    std::vector<std::uint32_t> scratch(order.size());
    for (std::size_t byte = keyLength; byte-- > 0;) {
        auto& start = starts[byte];
        if (std::find(start.begin(), start.end(), order.size()) != start.end()) continue;
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (const std::uint32_t recno : order)
            scratch[start[static_cast<std::uint8_t>(keys[(recno - 1) * keyLength + byte])]++] = recno;
        order.swap(scratch);
    }
}

// The records as runs of equal keys next to each other (a teacher's rows
// share his document): when there are few runs, only their first keys are
// sorted, each run then following its first record. Runs hold consecutive
// records, so equal keys of two runs still come in record order. Empty when
// the runs are too many for this to pay.
std::vector<std::uint32_t> SortRuns(const char* keys, std::size_t keyLength, std::uint32_t count,
                                    char keyType) {
    constexpr std::uint32_t kRowsPerRun = 4;
    std::vector<std::uint32_t> firsts; // 1-based, with count + 1 at the end
    for (std::uint32_t r = 1; r <= count; ++r) {
        if (r == 1 || std::memcmp(keys + (r - 2) * keyLength, keys + (r - 1) * keyLength, keyLength) != 0) {
            firsts.push_back(r);
            if (firsts.size() > count / kRowsPerRun) return {};
        }
    }
    std::vector<char> heads(firsts.size() * keyLength);
    for (std::size_t run = 0; run < firsts.size(); ++run)
        std::memcpy(heads.data() + run * keyLength, keys + (firsts[run] - 1) * keyLength, keyLength);
    firsts.push_back(count + 1);
    std::vector<std::uint32_t> order;
    order.reserve(count);
    for (const std::uint32_t run :
         SortKeys(heads.data(), keyLength, static_cast<std::uint32_t>(firsts.size() - 1), keyType))
        for (std::uint32_t r = firsts[run - 1]; r < firsts[run]; ++r)
            order.push_back(r);
    return order;
}

} // namespace

std::vector<std::uint32_t> SortKeys(const char* keys, std::size_t keyLength, std::uint32_t count,
                                    char keyType) {
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 1u);
    const auto key = [&](std::uint32_t recno) {
        return std::string_view(keys + (recno - 1) * keyLength, keyLength);
    };
    const auto less = [&](std::uint32_t a, std::uint32_t b) {
        return CompareIndexKeys(keyType, key(a), key(b)) < 0;
    };

    // Rows written in key order (the usual case for the work tables) need no sorting.
    bool sorted = true;
    if (ComparesAsBytes(keyType)) {
        for (std::uint32_t r = 1; sorted && r < count; ++r)
            sorted = std::memcmp(keys + (r - 1) * keyLength, keys + r * keyLength, keyLength) <= 0;
    } else {
        for (std::uint32_t r = 2; sorted && r <= count; ++r)
            sorted = !less(r, r - 1);
    }
    if (sorted) return order;

    if (std::vector<std::uint32_t> byRuns = SortRuns(keys, keyLength, count, keyType); !byRuns.empty())
        return byRuns;
    if (ComparesAsBytes(keyType) && keyLength <= kMaxRadixKeyLength) {
        RadixSort(keys, keyLength, order);
    } else {
        // Stable: equal keys stay in record order.
        std::stable_sort(order.begin(), order.end(), less);
    }
    return order;
}

} // namespace tv::tables
