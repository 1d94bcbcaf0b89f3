// The nine DAE code lists and the catalogue tables they become: file name,
// record length, the message shown when the file is missing, and each field's
// place in the record and size in the table, in table order.
#pragma once

#include "tables/table.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace tv::dae_to_tablorix {

struct CatalogueField {
    std::string_view name;
    std::size_t position; // 1-based within the record; 0 = not read from the file
    std::size_t width;    // characters taken from the record
    int size;             // width of the character field in the table
};

// Which records of a file become rows.
enum class RecordRule {
    Every,
    TaskTypesLN,    // only task types (the first field) "L" and "N"
    FirstOfEachCode // a code (the first field) already in the table is skipped
};

struct CatalogueFile {
    std::string_view fileName;
    std::string_view nameInMessage; // as "No existe archivo DAE (…)" spells it
    std::string_view table;
    std::size_t recordLength;
    RecordRule rule;
    std::span<const CatalogueField> fields;
};

// In the order they are read.
std::span<const CatalogueFile> CatalogueFiles();

// The study levels (daeNIVIMP); daeNIVIMP2 has the same fields.
const CatalogueFile& LevelsCatalogue();

tables::TableDecl CatalogueDecl(const CatalogueFile& catalogue);

} // namespace tv::dae_to_tablorix
