// The one exception type of the table store. Its text is Windows-1252 and
// names the file concerned, so the front ends can show it as it is.
#pragma once

#include "tables/user_text.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tv::tables {

class TableError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A field asked for by a name the table does not have.
inline TableError MissingField(std::string_view table, std::string_view field) {
    return TableError(FormatText(TV_TEXT("Tablas", "La tabla '%1' no tiene el campo '%2'."), {table, field}));
}

} // namespace tv::tables
