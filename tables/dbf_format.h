// The .DBF file format: header and field descriptors of dBase III, IV/5 and
// level 7 tables, and the encoding of each field type inside a record.
#pragma once

#include "tables/file_date.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tables {

struct DbfField {
    std::string name; // as stored (level 7 keeps mixed case)
    char type = 'C';  // C N F L D M B G I O @ +
    int length = 0;
    int decimals = 0;
    int offset = 0;                      // byte offset inside the record; the deletion flag is byte 0
    bool hasTag = false;                 // descriptor's production-index flag
    std::uint32_t nextAutoIncrement = 0; // '+' fields, level 7
};

struct DbfHeader {
    std::uint8_t version = 0x04; // 0x03 0x83 0x8B 0x04 0x8C (others refused)
    int level = 7;               // 3, 4 (IV/5) or 7
    FileDate updated;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    bool productionMdx = false;      // byte 28
    std::uint8_t languageDriver = 0; // byte 29
    std::string languageDriverName;  // level 7, bytes 32..63
    std::vector<DbfField> fields;
};

// Parses and checks the header of a whole file image: version, lengths, field
// offsets and that every counted record is present. A missing 0x1A end byte is
// fine. Throws TableError naming `fileName` otherwise.
DbfHeader ParseDbfHeader(std::span<const std::uint8_t> file, std::string_view fileName);
// The same checks of the header alone (its first headerLength bytes), for a
// look at a table's fields without reading its records.
DbfHeader ParseDbfHeaderAlone(std::span<const std::uint8_t> header, std::string_view fileName);

// A complete level-7 header (version 0x04, language driver DBWINUS0, 48-byte
// descriptors, no property block), for a table we create.
std::vector<std::uint8_t> BuildLevel7Header(const DbfHeader& header);

// Byte 28 of the header: set when the table has a production .MDX.
inline constexpr std::size_t kProductionMdxFlagAt = 28;

// Updates date, record count, MDX flag and the descriptors' tag flags of an
// existing header image in place, keeping every other byte (any level).
void PatchDbfHeader(std::vector<std::uint8_t>& headerBytes, const DbfHeader& header);

// Field values. `field` is the raw bytes of the field inside a record.
bool IsBlankField(const DbfField& def, std::string_view field);
// Text as the table store reads it: C without trailing blanks (NUL read as
// blank); N/F trimmed, or the shortest form of the number; I/+ decimal; O the
// shortest decimal form (2.0 -> "2"); L "True"/"False" or empty; D "YYYYMMDD";
// @ "YYYY-MM-DD HH:MM:SS"; M/B/G the block number text. Blank -> empty.
std::string FieldText(const DbfField& def, std::string_view field);
// Number of a numeric field (N F I + O); false when blank or not numeric.
bool FieldNumber(const DbfField& def, std::string_view field, double& value);
// L field: true for T t Y y.
bool FieldBoolean(const DbfField& def, std::string_view field);

// Encoders write exactly def.length bytes into `out`.
void EncodeText(const DbfField& def, std::string_view text, char* out); // C: cut/pad with blanks
void EncodeNumber(const DbfField& def, double value, char* out);        // N F I + O
void EncodeBoolean(const DbfField& def, bool value, char* out);         // L: 'T' / 'F'
void EncodeBlank(const DbfField& def, char* out);                       // blank / null of the type

// Shortest decimal text that reads back as the same double ("2", "0.1", "-7.25").
std::string ShortestDecimal(double value);

} // namespace tv::tables
