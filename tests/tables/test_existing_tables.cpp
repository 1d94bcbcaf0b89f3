// Tables written by other programs: read through cursors, changed without
// losing their level, fields or index files, and their index rebuilt.
#include "tables/dbf_format.h"
#include "tables/mdx_file.h"
#include "tables/table.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tv::tables {
namespace {

using test::ReadBytes;
using test::ScratchDir;
using test::SharedFixture;

void CopyFixture(const std::string& relative, const std::filesystem::path& to) {
    std::filesystem::copy_file(SharedFixture(relative), to / std::filesystem::path(relative).filename());
}

std::vector<std::string> Column(Table& t, const std::string& field) {
    std::vector<std::string> values;
    for (t.First(); !t.Eof(); t.Next()) values.push_back(t.AsString(field));
    return values;
}

// The keys of one tag as the file on disk holds them.
std::vector<IndexEntry> TagOnDisk(const std::filesystem::path& mdx, const std::string& tagName) {
    const auto bytes = ReadBytes(mdx);
    const MdxInfo info = ReadMdx(bytes, mdx.filename().string());
    for (const MdxTag& tag : info.tags)
        if (tag.name == tagName) return WalkMdxTag(bytes, tag, mdx.filename().string());
    ADD_FAILURE() << "no tag " << tagName;
    return {};
}

TEST(ExistingTablesTest, Level7TablesWalkTheirTagsInKeyOrder) {
    TV_REQUIRE_SHARED("dbf/level7/engineer.dbf");
    ScratchDir dir;
    CopyFixture("dbf/level7/engineer.dbf", dir.path());
    CopyFixture("dbf/level7/engineer.MDX", dir.path());
    Table t;
    t.Open(dir.path(), "ENGINEER", OpenMode::ReadOnly);
    EXPECT_EQ(t.RecordCount(), 5); // record 4 is deleted
    t.SetIndexName("LastName");
    EXPECT_EQ(Column(t, "LastName"), (std::vector<std::string>{"Kay", "Kolosky", "McGee", "Smith", "jones"}));
    t.SetIndexName("ENGINEER_NO");
    EXPECT_EQ(Column(t, "Engineer_No"), (std::vector<std::string>{"1", "2", "3", "5", "6"}));
    ASSERT_TRUE(t.FindKey(5));
    EXPECT_EQ(t.AsString("FirstName"), "Jo");
}

TEST(ExistingTablesTest, AppendingNumbersAutoincrementFieldsFromTheTablesCounter) {
    TV_REQUIRE_SHARED("dbf/level7/engineer.dbf");
    ScratchDir dir;
    CopyFixture("dbf/level7/engineer.dbf", dir.path());
    CopyFixture("dbf/level7/engineer.MDX", dir.path());
    {
        Table t;
        t.Open(dir.path(), "engineer");
        t.AppendRecord({std::monostate{}, std::string("Ane"), std::string("Etxeberria")});
        EXPECT_EQ(t.AsString("Engineer_No"), "7");
    }
    const auto header = ParseDbfHeader(ReadBytes(dir / "engineer.dbf"), "engineer.dbf");
    EXPECT_EQ(header.fields[0].nextAutoIncrement, 8u);
    const auto numbers = TagOnDisk(dir / "engineer.MDX", "ENGINEER_NO");
    ASSERT_EQ(numbers.size(), 7u);
    EXPECT_EQ(numbers.back(), (IndexEntry{std::string("\x80\0\0\x07", 4), 7u}));
}

TEST(ExistingTablesTest, ReindexGivesTheBytesDbaseWroteApartFromTheDates) {
    TV_REQUIRE_SHARED("dbf/level7/engineer.MDX");
    ScratchDir dir;
    CopyFixture("dbf/level7/engineer.dbf", dir.path());
    CopyFixture("dbf/level7/engineer.MDX", dir.path());
    std::filesystem::rename(dir / "engineer.MDX", dir / "ENGINEER.MDX");
    const auto original = ReadBytes(SharedFixture("dbf/level7/engineer.MDX"));
    {
        Table t;
        t.Open(dir.path(), "engineer", OpenMode::Exclusive);
        t.Reindex();
    }
    auto rebuilt = ReadBytes(dir / "ENGINEER.MDX");
    ASSERT_EQ(rebuilt.size(), original.size());
    // Dates: file header 1-3 and 44-46, each tag header 257-259.
    const MdxInfo info = ReadMdx(rebuilt, "ENGINEER.MDX");
    std::vector<std::size_t> dates = {1, 2, 3, 44, 45, 46};
    for (const MdxTag& tag : info.tags)
        for (std::size_t i = 257; i < 260; ++i) dates.push_back(tag.headerPage * 512 + i);
    for (std::size_t at : dates) rebuilt[at] = original[at];
    EXPECT_TRUE(rebuilt == original);
    // The table itself was not rewritten.
    EXPECT_TRUE(ReadBytes(dir / "engineer.dbf") == ReadBytes(SharedFixture("dbf/level7/engineer.dbf")));
}

TEST(ExistingTablesTest, AppendingKeepsLevelFieldsAndIndexFiles) {
    TV_REQUIRE_SHARED("dbf/tdbf/disco.DBF");
    ScratchDir dir;
    CopyFixture("dbf/tdbf/disco.DBF", dir.path());
    CopyFixture("dbf/tdbf/disco.mdx", dir.path());
    const auto before = ParseDbfHeader(ReadBytes(dir / "disco.DBF"), "disco.DBF");
    int live = 0;
    {
        Table t;
        t.Open(dir.path(), "DISCO");
        live = t.RecordCount();
        t.Edit(); // record 1, in record order
        t.SetString("AUTHOR", "\xFF\xFF \xDAltimo");
        t.Post();
        t.Append();
        t.SetString("AUTHOR", "!!! Primero");
        t.Post();
    }
    const auto bytes = ReadBytes(dir / "disco.DBF");
    const auto after = ParseDbfHeader(bytes, "disco.DBF");
    EXPECT_EQ(after.version, before.version);
    EXPECT_EQ(after.headerLength, before.headerLength);
    EXPECT_EQ(after.recordCount, before.recordCount + 1);
    ASSERT_EQ(after.fields.size(), before.fields.size());
    EXPECT_TRUE(after.productionMdx);
    EXPECT_EQ(bytes.back(), 0x1A);

    const auto mdxBytes = ReadBytes(dir / "disco.mdx");
    EXPECT_EQ(ReadMdx(mdxBytes, "disco.mdx").version, 2);
    const auto entries = TagOnDisk(dir / "disco.mdx", "AUTHOR");
    ASSERT_EQ(entries.size(), after.recordCount); // deleted rows stay in the index
    EXPECT_EQ(entries.front().second, after.recordCount);
    EXPECT_EQ(entries.front().first.substr(0, 11), "!!! Primero");
    EXPECT_EQ(entries.back().first.substr(0, 9), "\xFF\xFF \xDAltimo");
    EXPECT_EQ(entries.back().second, 1u);

    Table t;
    t.Open(dir.path(), "disco", OpenMode::ReadOnly);
    EXPECT_EQ(t.RecordCount(), live + 1);
}

TEST(ExistingTablesTest, TablesOfPythonDbfReadAsWritten) {
    const char* python = "/usr/bin/python3";
    if (std::system((std::string(python) + " -c 'import dbf' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-dbf not installed";
    ScratchDir dir;
    const std::string script = std::string(python) + " - <<'EOF'\n"
                               "import dbf, datetime\n"
                               "t = dbf.Table(r'" + (dir / "soluc.dbf").string() + "', "
                               "'PROF C(10); DIA N(2,0); SESION N(3,0); DURA N(5,1); NALUM N(4,0); ACTIVO L; F D',"
                               " dbf_type='db3', codepage='cp1252')\n"
                               "t.open(dbf.READ_WRITE)\n"
                               "t.append(('ABC', 2, 9, 2.0, 120, True, datetime.date(2026, 9, 1)))\n"
                               "t.append(('Mu\\u00f1oz', 5, 10, 1.5, None, False, None))\n"
                               "t.append(('BORRADO', 1, 1, 1, 1, True, None))\n"
                               "dbf.delete(t[2])\n"
                               "t.close()\n"
                               "EOF";
    ASSERT_EQ(std::system(script.c_str()), 0);
    Table t;
    t.Open(dir.path(), "SOLUC", OpenMode::ReadOnly);
    ASSERT_EQ(t.RecordCount(), 2);
    t.First();
    EXPECT_EQ(t.AsString("PROF"), "ABC");
    EXPECT_EQ(t.AsInteger("DIA"), 2);
    EXPECT_EQ(t.AsString("SESION"), "9");
    EXPECT_EQ(t.AsString("DURA"), "2");
    EXPECT_EQ(t.AsString("NALUM"), "120");
    EXPECT_TRUE(t.AsBoolean("ACTIVO"));
    EXPECT_EQ(t.AsString("F"), "20260901");
    t.Next();
    EXPECT_EQ(t.AsString("PROF"), "Mu\xF1oz");
    EXPECT_EQ(t.AsString("DURA"), "1.5");
    EXPECT_EQ(t.AsInteger("DURA"), 2); // half to even
    EXPECT_EQ(t.AsString("NALUM"), "");
    EXPECT_FALSE(t.AsBoolean("ACTIVO"));
}

} // namespace
} // namespace tv::tables
