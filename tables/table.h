// A cursor over a dBase table, with the operations the transfer steps use:
// create anew, open/close, record or index order, field access by name,
// edit/append/post/delete, FindKey, Locate, master/detail, filter, bookmarks.
//
// All text crossing this interface is single-byte Windows-1252, as stored.
// Several Table objects may be open on the same file in one process: they share
// the rows, so a change posted through one is seen by the others at once.
#pragma once

#include "tables/row_listeners.h"
#include "tables/table_error.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tv::tables {

class TableData;

// How a table is declared when it is created anew.
enum class FieldKind { String, Integer, Float, Boolean };

struct FieldDecl {
    std::string name;
    FieldKind kind = FieldKind::String;
    int width = 0; // characters; String only (1..254)
};

struct TableDecl {
    std::vector<FieldDecl> fields;
    std::vector<std::string> indexes; // one ascending tag per named field
};

// A field as stored in the file.
struct FieldInfo {
    std::string name;
    char type = 'C'; // C N F L D M B G I O @ +
    int length = 0;
    int decimals = 0;
};

enum class OpenMode { Shared, Exclusive, ReadOnly };
enum class TableState { Inactive, Browse, Edit, Insert };

// A value for AppendRecord; monostate leaves the field blank.
using FieldValue = std::variant<std::monostate, std::string, long long, double, bool>;

struct Bookmark {
    std::uint32_t record = 0; // 1-based; 0 = none
};

class Table {
  public:
    Table();
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    Table(Table&&) noexcept;
    Table& operator=(Table&&) noexcept;

    // Replaces NAME.DBF and NAME.MDX in `folder` (where present) with an empty
    // level-7 table, with a production .MDX when indexes are declared, else
    // none. Refused, before anything changes, when this process has the table
    // open or another program holds it.
    static void Create(const std::filesystem::path& folder, std::string_view name, const TableDecl& decl);

    // `name` is a table name with or without ".DBF", matched without regard to case.
    void Open(const std::filesystem::path& folder, std::string_view name, OpenMode mode = OpenMode::Shared);
    // Discards an unposted edit, writes what changed and releases the table.
    void Close();
    bool Active() const;
    TableState State() const;
    const std::filesystem::path& FilePath() const;

    // Fields
    const std::vector<FieldInfo>& Fields() const;
    int FieldIndex(std::string_view name) const; // -1 when absent (case-insensitive)
    std::string AsString(std::string_view field) const;
    std::string AsString(int fieldIndex) const;
    std::int32_t AsInteger(std::string_view field) const;
    double AsFloat(std::string_view field) const;
    bool AsBoolean(std::string_view field) const;
    bool IsNull(std::string_view field) const;
    void SetString(std::string_view field, std::string_view value);
    void SetInteger(std::string_view field, long long value);
    void SetFloat(std::string_view field, double value);
    void SetBoolean(std::string_view field, bool value);
    void Clear(std::string_view field);

    // Cursor. Opening (and every change of order, filter or master) leaves the
    // cursor on the first visible record. Moving while editing posts first.
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const;
    bool Bof() const;
    bool IsEmpty() const;
    std::uint32_t RecNo() const; // 1-based physical record number; 0 when none

    // Active index: the name of a tag (= field name), empty for record order.
    void SetIndexName(std::string_view tag);
    const std::string& IndexName() const;

    void Edit();
    void Append();
    void AppendRecord(const std::vector<FieldValue>& values);
    void Post();
    void Cancel();
    void Delete();
    int RecordCount() const; // visible records (live, filtered, detail range)

    // Searches
    bool FindKey(std::string_view value);
    bool FindKey(long long value);
    bool Locate(std::string_view fields, const std::vector<std::string>& values);

    // Master/detail: this table shows, in the order of its IndexName, only the
    // records whose index field equals `masterField` of the master's current record.
    void SetMasterSource(Table* master, std::string_view masterField);
    // Called by a master after it moves; details re-position on their first record.
    void MasterChanged();

    // Filter: "FIELD = 'value'" (inner quotes doubled); empty limits nothing.
    void SetFilter(std::string_view filter);
    const std::string& Filter() const;
    void SetFiltered(bool on);
    bool Filtered() const;

    // The records this cursor shows (live, filtered, detail range), in its
    // order, read without moving it.
    std::vector<std::uint32_t> VisibleRecords() const;

    // Tells `listener` of what changes the rows this cursor shows: appends,
    // changes and deletes posted through any cursor on the same file (events
    // of a post through this one come once its record is current), its own
    // unposted record edited, its moves, and Reset when what it shows is
    // another set or order (opened or closed, index, filter, its master
    // moved, a new row started). A cursor reopened keeps its listeners.
    RowSubscription Subscribe(RowListener listener);

    Bookmark GetBookmark() const;
    void GotoBookmark(const Bookmark& mark);

    // Writes what changed to the files now (Close does it too).
    void Flush();
    // Rewrites the production index from the rows, keeping its tags.
    void Reindex();

    // The rows this cursor has open, for TableRows; null when closed.
    std::shared_ptr<TableData> Data() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tv::tables
