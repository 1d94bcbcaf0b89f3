// Reading many rows of an open table without moving a cursor: fields by
// offsets found once, rows by number or in the order of a field's index.
// For the steps that read thousands of rows; what they read is what the
// cursor's AsString / AsInteger read.
#pragma once

#include "tables/field_slot.h"
#include "tables/table.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tv::tables {

class TableData;

class TableRows {
  public:
    // Rows of the table `table` has open; valid while some cursor keeps it open.
    explicit TableRows(const Table& table);

    // Throws TableError when the table has no such field (case-insensitive).
    FieldSlot Field(std::string_view name) const;
    std::uint32_t RecordCount() const;
    const char* Record(std::uint32_t recno) const;
    bool IsDeleted(std::uint32_t recno) const { return Record(recno)[0] == '*'; }
    // Record numbers in the order of the field's index (its tag, or an order
    // built in memory), deleted rows included, as an index holds them.
    const std::vector<std::uint32_t>& Order(std::string_view fieldName) const;

  private:
    std::shared_ptr<TableData> data_;
};

} // namespace tv::tables
