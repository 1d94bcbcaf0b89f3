// Tables written together: inside a WriteBatch the files on disk stay as they
// were until Commit, later cursors of the process see the rows in memory, and
// what Commit (or the batch's end while an error unwinds) writes is byte for
// byte what the same steps write table by table.
#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/table_builder.h"
#include "tables/unsaved_tables.h"
#include "tables/write_batch.h"

#include "tests/table_pairs.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace tv::tables {
namespace {

using test::ReadBytes;
using test::ScratchDir;

const TableDecl kIndexed{{{"KEY", FieldKind::String, 6}, {"N", FieldKind::Integer}}, {"KEY", "N"}};
const TableDecl kPlain{{{"NAME", FieldKind::String, 10}}, {}};

std::map<std::string, std::vector<std::uint8_t>> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadBytes(entry.path());
    return files;
}

void AppendKeys(const std::filesystem::path& folder, std::string_view table,
                std::initializer_list<const char*> keys) {
    Table t;
    t.Open(folder, table);
    for (const char* key : keys)
        t.AppendRecord({std::string(key), 7LL});
    t.Close();
}

std::string KeysInOrder(const std::filesystem::path& folder, std::string_view table) {
    Table t;
    t.Open(folder, table);
    t.SetIndexName("KEY");
    std::string keys;
    for (t.First(); !t.Eof(); t.Next())
        keys += t.AsString("KEY");
    return keys;
}

// The steps of a run: tables created and filled by cursor and in bulk, one
// created twice, one reopened and changed after its first close, one that
// had an index and is created anew without.
void RunSteps(const std::filesystem::path& folder) {
    Table::Create(folder, "A", kIndexed);
    AppendKeys(folder, "A", {"c", "a"});
    Table::Create(folder, "B", kIndexed);
    AppendKeys(folder, "B", {"x"});
    Table::Create(folder, "B", kIndexed);
    AppendKeys(folder, "B", {"z", "y"});
    AppendKeys(folder, "A", {"b"});
    Table::Create(folder, "C", kPlain);
    TableBuilder bulk(folder, "C");
    bulk.Field("NAME").SetText(bulk.Record(bulk.Append()), "uno");
    bulk.Write().Close();
    Table::Create(folder, "OLD", kPlain);
}

// A folder where OLD has rows and an index, as an earlier run left it.
void EarlierRun(const std::filesystem::path& folder) {
    Table::Create(folder, "OLD", kIndexed);
    AppendKeys(folder, "OLD", {"q"});
}

TEST(WriteBatchTest, TheFilesStayAsTheyWereUntilCommitThenMatchTablesWrittenOneByOne) {
    ScratchDir oneByOne, together;
    EarlierRun(oneByOne.path());
    EarlierRun(together.path());
    RunSteps(oneByOne.path());

    const auto before = FolderBytes(together.path());
    WriteBatch batch;
    RunSteps(together.path());
    EXPECT_TRUE(FolderBytes(together.path()) == before) << "a table reached the disk before the commit";
    // The process sees its rows meanwhile.
    EXPECT_EQ(KeysInOrder(together.path(), "A"), "abc");
    EXPECT_EQ(KeysInOrder(together.path(), "B"), "yz");

    batch.Commit();
    EXPECT_TRUE(FolderBytes(together.path()) == FolderBytes(oneByOne.path()));
    EXPECT_FALSE(std::filesystem::exists(together / "OLD.MDX"));
    EXPECT_EQ(test::TablePairProblems(together.path()), "");
    // Committed tables are let go of: they can be created anew.
    EXPECT_NO_THROW(Table::Create(together.path(), "A", kIndexed));
}

TEST(WriteBatchTest, AnErrorUnwindingStillWritesWhatWasClosed) {
    ScratchDir dir;
    try {
        WriteBatch batch;
        Table::Create(dir.path(), "A", kIndexed);
        AppendKeys(dir.path(), "A", {"b", "a"});
        throw std::runtime_error("a step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(TakeUnsavedTableError());
    EXPECT_EQ(KeysInOrder(dir.path(), "A"), "ab");
    EXPECT_EQ(test::TablePairProblems(dir.path()), "");
}

TEST(WriteBatchTest, ATableOpenAtTheCommitIsWrittenAndStaysOpen) {
    ScratchDir dir;
    WriteBatch batch;
    Table::Create(dir.path(), "A", kIndexed);
    AppendKeys(dir.path(), "A", {"b"});
    Table open;
    open.Open(dir.path(), "A");
    open.AppendRecord({std::string("a"), 1LL});
    batch.Commit();
    EXPECT_EQ(KeysInOrder(dir.path(), "A"), "ab");
    EXPECT_THROW(Table::Create(dir.path(), "A", kIndexed), TableError);
    open.Close();
    EXPECT_EQ(test::TablePairProblems(dir.path()), "");
}

TEST(WriteBatchTest, AKeptTableDeletedIsGoneAfterTheCommit) {
    ScratchDir dir;
    EarlierRun(dir.path());
    WriteBatch batch;
    AppendKeys(dir.path(), "OLD", {"r"}); // read from the disk, changed: kept with its lock
    Table::Create(dir.path(), "NEW", kPlain);
    EXPECT_TRUE(DeleteFileNoCase(dir.path(), "old.dbf"));
    EXPECT_FALSE(DeleteFileNoCase(dir.path(), "NEW.DBF")); // never on the disk
    batch.Commit();
    EXPECT_FALSE(std::filesystem::exists(dir / "OLD.DBF"));
    EXPECT_FALSE(std::filesystem::exists(dir / "NEW.DBF"));
}

TEST(WriteBatchTest, ANestedBatchLeavesTheCommitToTheOuterOne) {
    ScratchDir dir;
    WriteBatch outer;
    {
        WriteBatch inner;
        Table::Create(dir.path(), "A", kPlain);
        inner.Commit();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "A.DBF"));
    outer.Commit();
    EXPECT_TRUE(std::filesystem::exists(dir / "A.DBF"));
}

} // namespace
} // namespace tv::tables
