// Index keys as a production .MDX stores them, and their order.
//
//   C        the field bytes, NUL read as blank (space padded to the key length)
//   N, F     the 12-byte dBase IV packed decimal of the field's text
//   D        the Julian day number as an 8-byte little-endian double
//   I + O @  the field's own 4 or 8 bytes (already byte-sortable)
//
// Character keys compare byte by byte (language driver DBWINUS0), the others by value.
#pragma once

#include <string>
#include <string_view>

namespace tv::tables {

// Key length that a tag over a field of this type and width uses. Types that
// cannot be keys (L M B G) throw TableError, here and in MakeIndexKey.
int IndexKeyLength(char fieldType, int fieldLength);

// The key for one record, from the raw bytes of the field inside the record.
std::string MakeIndexKey(char fieldType, std::string_view fieldBytes);

// <0, 0 or >0, as the keys (of the given key type letter) sort in the index.
int CompareIndexKeys(char keyType, std::string_view a, std::string_view b);

} // namespace tv::tables
