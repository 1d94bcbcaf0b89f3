// Production index files (.MDX): reading the tag table, walking a tag in key
// order, and writing a complete file from sorted keys.
//
// Two layouts exist: version 2 (dBase IV/5 tables, 32-byte tag slots) and
// version 3 (level-7 tables, 43-byte tag slots, first tag header on page 6).
// Both use 1024-byte blocks, one block per tag header and per B-tree node.
#pragma once

#include "tables/file_date.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tv::tables {

struct MdxTag {
    std::string name;       // upper case, as in the tag table
    std::string expression; // key expression text (a field name for our tags)
    char keyType = 'C';     // C N D I O @ +
    int keyLength = 0;
    std::uint8_t counter = 1; // tag header byte 20
    bool descending = false;
    bool unique = false;
    bool hasForFilter = false;
    std::uint32_t headerPage = 0;
};

struct MdxInfo {
    int version = 3;             // 2 or 3
    std::string tableName;       // header bytes 4..19
    std::uint8_t languageDriver = 0; // header byte 31 (and tag header byte 11)
    std::vector<MdxTag> tags;    // in tag-table (creation) order
};

using IndexEntry = std::pair<std::string, std::uint32_t>; // key bytes, 1-based record number

// Throws TableError naming `fileName` when the bytes are not a usable MDX.
MdxInfo ReadMdx(std::span<const std::uint8_t> file, std::string_view fileName);

// The entries of one tag in key order (leaf order). Never reads outside `file`
// and never loops on a damaged tree: damage throws TableError.
std::vector<IndexEntry> WalkMdxTag(std::span<const std::uint8_t> file, const MdxTag& tag,
                                   std::string_view fileName);

struct MdxTagContent {
    MdxTag tag;                       // name, expression, keyType, keyLength, counter, flags
    std::vector<IndexEntry> entries;  // already sorted: key order, ties by record number
    // Instead of `entries`, an order kept in memory: record numbers in the
    // same order, and the keys flat, record r's at keys + (r - 1) * keyLength.
    const std::vector<std::uint32_t>* order = nullptr;
    const char* keys = nullptr;

    std::size_t EntryCount() const { return order ? order->size() : entries.size(); }
    std::uint32_t RecordAt(std::size_t i) const { return order ? (*order)[i] : entries[i].second; }
    const char* KeyAt(std::size_t i) const {
        return order ? keys + ((*order)[i] - 1) * static_cast<std::size_t>(tag.keyLength) : entries[i].first.data();
    }
};

struct MdxBuild {
    int version = 3;
    std::string tableName; // the DBF base name; stored upper case, at most 8 characters
    std::uint8_t languageDriver = 0; // version 2 only (header byte 31, tag byte 11); version 3 writes 0
    FileDate created;      // header bytes 1..3
    FileDate updated;      // header bytes 44..46 and tag header bytes 257..259
    std::vector<MdxTagContent> tags; // in creation order
};

std::vector<std::uint8_t> BuildMdx(const MdxBuild& build);

} // namespace tv::tables
