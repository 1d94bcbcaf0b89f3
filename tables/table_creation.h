// The pieces of creating a table anew: its name, its declared fields as a
// level-7 header, and the bytes of the empty .MDX.
#pragma once

#include "tables/dbf_format.h"
#include "tables/table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tables {

// "\KTEMP\daeTIPTAR.DBF", "daeTIPTAR.dbf" and "daeTIPTAR" all give "daeTIPTAR".
std::string TableBaseName(std::string_view name);

// Throws TableError on an empty, duplicate or too long field name, a width
// out of range, or an index over a field that is not declared.
void ValidateDecl(std::string_view table, const TableDecl& decl);

// string -> C(width), integer -> I, float -> O, boolean -> L; tag flags set.
DbfHeader DeclaredHeader(const TableDecl& decl);

std::vector<std::uint8_t> EmptyIndexImage(std::string_view table, const DbfHeader& header,
                                          const TableDecl& decl);

} // namespace tv::tables
