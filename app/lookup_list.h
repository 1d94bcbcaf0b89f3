// A DAE catalogue as a drop-down list offers it: its entries with the code
// that is stored and the two descriptions shown beside it, and the way to put
// the catalogue's cursor on a chosen entry (the rules read that entry).
#pragma once

#include "tables/table.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace tv::app {

struct LookupColumns {
    std::array<std::string, 3> fields; // the first is the code that is stored
    std::array<int, 3> widths{};       // in characters
};

class LookupList {
  public:
    struct Entry {
        tables::Bookmark record;
        std::array<QString, 3> values;
    };

    // Reads the entries in record order; the cursor stays open for PositionOn.
    LookupList(tables::Table& catalogue, LookupColumns columns);

    const std::vector<Entry>& Entries() const { return entries_; }
    const LookupColumns& Columns() const { return columns_; }
    // The entry whose code is `code` (blanks at either end ignored); -1 when none.
    int Find(const QString& code) const;
    // Puts the catalogue's cursor on the entry of `code`; false when none has it.
    bool PositionOn(const QString& code);

  private:
    tables::Table& catalogue_;
    LookupColumns columns_;
    std::vector<Entry> entries_;
};

} // namespace tv::app
