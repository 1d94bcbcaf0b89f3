// Bulk building: the rows written through TableBuilder give the same .DBF and
// .MDX bytes as the same rows written through the cursor, fresh or over rows
// already there; and the one sort that builds a whole order gives the order
// the cursor keeps record by record.
#include "tables/index_key.h"
#include "tables/key_sorter.h"
#include "tables/table.h"
#include "tables/table_builder.h"
#include "tables/table_rows.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tv::tables {
namespace {

using test::ReadBytes;
using test::ScratchDir;

// Character, integer, float and boolean fields; a tag over each indexable one.
TableDecl Declaration() {
    return {{{"KEY", FieldKind::String, 6},
             {"NAME", FieldKind::String, 12},
             {"N", FieldKind::Integer},
             {"X", FieldKind::Float},
             {"OK", FieldKind::Boolean}},
            {"KEY", "N", "X", "NAME"}};
}

using Row = std::vector<std::string>; // KEY, NAME, N, X, OK as text

// Out of key order, equal keys, bytes above 0x7F, negative numbers, a blank.
const std::vector<Row> kRows = {
    {"b", "uno", "3", "2.5", "T"},  {"a", "dos", "-1", "-0.25", "F"},
    {"\xE1", "tres", "10", "", ""}, {"b", "cuatro", "3", "100", "T"},
    {"", "", "", "", ""},           {"z9", "seis", "-20", "1e3", "F"},
    {"a", "siete", "0", "-7", "T"},
};
const std::vector<std::string> kFields = {"KEY", "NAME", "N", "X", "OK"};

void WriteThroughCursor(const std::filesystem::path& folder, const std::vector<Row>& rows,
                        std::uint32_t deleted) {
    Table t;
    t.Open(folder, "T");
    for (const Row& row : rows) {
        t.Append();
        for (std::size_t f = 0; f < kFields.size(); ++f)
            t.SetString(kFields[f], row[f]);
        t.Post();
    }
    if (deleted != 0) {
        t.GotoBookmark({deleted});
        t.Delete();
    }
    t.Close();
}

void WriteThroughBuilder(const std::filesystem::path& folder, const std::vector<Row>& rows,
                         std::uint32_t deleted) {
    TableBuilder builder(folder, "T");
    builder.Reserve(builder.RecordCount() + static_cast<std::uint32_t>(rows.size()));
    std::vector<FieldSlot> slots;
    for (const std::string& name : kFields)
        slots.push_back(builder.Field(name));
    for (const Row& row : rows) {
        char* record = builder.Record(builder.Append());
        for (std::size_t f = 0; f < kFields.size(); ++f)
            slots[f].SetText(record, row[f]);
    }
    if (deleted != 0) builder.Delete(deleted);
    builder.Write().Close();
}

void ExpectSameFiles(const ScratchDir& cursor, const ScratchDir& bulk) {
    EXPECT_EQ(ReadBytes(cursor / "T.DBF"), ReadBytes(bulk / "T.DBF"));
    EXPECT_EQ(ReadBytes(cursor / "T.MDX"), ReadBytes(bulk / "T.MDX"));
}

TEST(TableBuilderTest, WritesTheBytesTheCursorWrites) {
    struct Case {
        const char* name;
        std::vector<Row> earlier; // rows already in the table, written by the cursor
        std::vector<Row> rows;    // rows appended
        std::uint32_t deleted;    // record deleted after appending; 0 = none
    };
    const std::vector<Case> cases = {
        {"fresh", {}, kRows, 0},
        {"fresh, one deleted", {}, kRows, 2},
        {"over earlier rows", {kRows.rbegin(), kRows.rend()}, kRows, 9},
        {"nothing appended", {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir cursor, bulk;
        for (const ScratchDir* dir : {&cursor, &bulk}) {
            Table::Create(dir->path(), "T", Declaration());
            if (!c.earlier.empty()) WriteThroughCursor(dir->path(), c.earlier, 0);
        }
        WriteThroughCursor(cursor.path(), c.rows, c.deleted);
        WriteThroughBuilder(bulk.path(), c.rows, c.deleted);
        ExpectSameFiles(cursor, bulk);
    }
}

TEST(TableBuilderTest, TheWrittenRowsStayInMemoryForLaterCursors) {
    ScratchDir dir;
    Table::Create(dir.path(), "T", Declaration());
    TableBuilder builder(dir.path(), "T");
    const FieldSlot key = builder.Field("KEY");
    for (const char* value : {"c", "a", "b"})
        key.SetText(builder.Record(builder.Append()), value);
    Table kept = builder.Write();

    // The files are complete on disk already; a cursor joins the rows in memory.
    std::error_code ignored; // where the system lets an open file go
    std::filesystem::remove(dir / "T.DBF", ignored);
    Table t;
    t.Open(dir.path(), "T");
    t.SetIndexName("KEY");
    std::string order;
    for (t.First(); !t.Eof(); t.Next())
        order += t.AsString("KEY");
    EXPECT_EQ(order, "abc");
    EXPECT_EQ(TableRows(t).Order("KEY"), (std::vector<std::uint32_t>{2, 3, 1}));
}

TEST(TableBuilderTest, WithoutWriteTheFilesStayAsTheyWere) {
    ScratchDir dir;
    Table::Create(dir.path(), "T", Declaration());
    WriteThroughCursor(dir.path(), kRows, 0);
    const auto dbf = ReadBytes(dir / "T.DBF");
    const auto mdx = ReadBytes(dir / "T.MDX");
    {
        TableBuilder builder(dir.path(), "T");
        builder.Field("NAME").SetText(builder.Record(1), "cambiado");
        builder.Append();
        EXPECT_THROW(builder.Field("NO_EXISTE"), TableError);
    }
    EXPECT_EQ(ReadBytes(dir / "T.DBF"), dbf);
    EXPECT_EQ(ReadBytes(dir / "T.MDX"), mdx);
    Table t;
    t.Open(dir.path(), "T");
    EXPECT_EQ(t.RecordCount(), static_cast<int>(kRows.size()));
}

TEST(TableBuilderTest, AnExclusiveBuilderKeepsOtherCursorsOut) {
    ScratchDir dir;
    Table::Create(dir.path(), "T", Declaration());
    Table open;
    open.Open(dir.path(), "T");
    EXPECT_THROW(TableBuilder(dir.path(), "T"), TableError);
    open.Close();
    TableBuilder builder(dir.path(), "T");
    Table other;
    EXPECT_THROW(other.Open(dir.path(), "T"), TableError);
}

// The reference: record numbers stably sorted by the keys' own comparison.
std::vector<std::uint32_t> ReferenceOrder(const std::string& keys, std::size_t length, char keyType) {
    const auto count = static_cast<std::uint32_t>(keys.size() / length);
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 1u);
    const auto key = [&](std::uint32_t r) { return std::string_view(keys).substr((r - 1) * length, length); };
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return CompareIndexKeys(keyType, key(a), key(b)) < 0;
    });
    return order;
}

TEST(KeySorterTest, SortsAsTheKeysCompareWithTiesInRecordOrder) {
    const auto numeric = [](std::initializer_list<const char*> values) {
        std::string keys;
        for (const char* v : values)
            keys += MakeIndexKey('N', std::string(v) + std::string(8 - std::string(v).size(), ' '));
        return keys;
    };
    struct Case {
        const char* name;
        std::string keys;
        std::size_t length;
        char type;
    };
    const std::vector<Case> cases = {
        {"bytes above 0x7F sort after letters", std::string("b\xE1z a b a ") + "\x01 ", 2, 'C'},
        {"already in order", "aabbbc", 1, 'C'},
        {"one byte position decides", "x1x0x1x0", 2, 'C'},
        {"keys longer than a radix sort takes",
         std::string(30, 'b') + std::string(30, 'a') + std::string(30, 'b'), 30, 'C'},
        {"integers as stored", std::string("\x80\x00\x00\x02\x7F\xFF\xFF\xFF\x80\x00\x00\x01", 12), 4, 'I'},
        {"packed decimals by value", numeric({"10", "-3", "2", "0", "-30", "2"}), 12, 'N'},
        {"nothing", "", 3, 'C'},
        {"runs of equal keys, one key in two runs", "ccccbbbbccccaaaabbbb", 1, 'C'},
        {"runs of equal packed decimals",
         numeric({"7", "7", "7", "7", "-1", "-1", "-1", "-1", "7", "7", "7", "7"}), 12, 'N'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto count = static_cast<std::uint32_t>(c.keys.size() / c.length);
        EXPECT_EQ(SortKeys(c.keys.data(), c.length, count, c.type), ReferenceOrder(c.keys, c.length, c.type));
    }
}

} // namespace
} // namespace tv::tables
