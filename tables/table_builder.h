// Building many rows of a table at once, for the steps that write thousands
// of them: fields are placed by offsets looked up once, rows go into one
// buffer reserved ahead, and no order is kept while they arrive. Each index
// tag is then built by one sort when the table is written. The files are the
// same bytes the cursor API (Table) would write for the same rows; windows
// and small tables keep using the cursor.
#pragma once

#include "tables/field_slot.h"
#include "tables/table.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace tv::tables {

class TableData;

class TableBuilder {
  public:
    // Opens the table exclusively and takes its rows (existing ones stay, to
    // be changed or kept). Throws TableError as Table::Open does.
    TableBuilder(const std::filesystem::path& folder, std::string_view name);
    // Without Write, the table's files stay as they were.
    ~TableBuilder();
    TableBuilder(const TableBuilder&) = delete;
    TableBuilder& operator=(const TableBuilder&) = delete;

    // Throws TableError when the table has no such field (case-insensitive).
    FieldSlot Field(std::string_view name) const;

    std::uint32_t RecordCount() const { return static_cast<std::uint32_t>(records_.size() / recordLength_); }
    void Reserve(std::uint32_t records) {
        records_.reserve(static_cast<std::size_t>(records) * recordLength_);
    }
    // A new row with every field blank; its 1-based record number.
    std::uint32_t Append();
    // A new row that is a copy of `record` (RecordLength() bytes), e.g. a
    // pattern made from BlankRecord() with the values every row shares.
    std::uint32_t Append(const char* record);
    const std::vector<char>& BlankRecord() const { return blank_; }
    char* Record(std::uint32_t recno) { return records_.data() + (recno - 1) * recordLength_; }
    const char* Record(std::uint32_t recno) const { return records_.data() + (recno - 1) * recordLength_; }
    bool IsDeleted(std::uint32_t recno) const { return Record(recno)[0] == '*'; }
    // Deleted rows stay in the file and in the index until a pack.
    void Delete(std::uint32_t recno) { Record(recno)[0] = '*'; }

    // Hands the rows back to the table, which writes its .DBF and .MDX as any
    // table writes them. Returns a shared cursor on the table: while it stays
    // open, further cursors of this process use the rows in memory instead of
    // reading the files again. The builder is done afterwards.
    Table Write();

  private:
    std::filesystem::path folder_;
    std::string name_;
    std::shared_ptr<TableData> data_;
    std::vector<char> records_;
    std::vector<char> blank_; // one record with every field blank
    std::size_t recordLength_ = 1;
    std::uint32_t firstNew_ = 1;
};

} // namespace tv::tables
