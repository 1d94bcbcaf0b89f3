// Sorting the keys of a whole index at once: record numbers ordered by
// (key, record number), the order a tag keeps, from a flat array of
// fixed-size keys. Used when an order is built from all the rows of a table
// instead of being kept current record by record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tv::tables {

// `keys` holds `count` keys of `keyLength` bytes, the key of record r at
// (r - 1) * keyLength. `keyType` is the tag's key type letter (see
// CompareIndexKeys). Returns the record numbers 1..count in index order.
std::vector<std::uint32_t> SortKeys(const char* keys, std::size_t keyLength, std::uint32_t count,
                                    char keyType);

} // namespace tv::tables
