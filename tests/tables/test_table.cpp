// The cursor API over tables we create: order, fields, editing, searches,
// master/detail, filter, bookmarks, sharing and exclusivity.
#include "tables/conversion_error.h"
#include "tables/table.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tv::tables {
namespace {

using test::ScratchDir;

const TableDecl kTeachers{{{"ABREV", FieldKind::String, 10},
                           {"NOMBRE", FieldKind::String, 20},
                           {"HORAS", FieldKind::Integer},
                           {"PESO", FieldKind::Float},
                           {"ACTIVO", FieldKind::Boolean}},
                          {"ABREV", "HORAS"}};

void AddTeacher(Table& t, const std::string& abrev, const std::string& name, long long hours) {
    t.AppendRecord({abrev, name, hours});
}

std::vector<std::string> Column(Table& t, const std::string& field) {
    std::vector<std::string> values;
    for (t.First(); !t.Eof(); t.Next())
        values.push_back(t.AsString(field));
    return values;
}

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Table::Create(dir.path(), "PROFT", kTeachers);
        table.Open(dir.path(), "PROFT");
        AddTeacher(table, "LOP", "Lopez", 18);
        AddTeacher(table, "ABC", "Abad", 20);
        AddTeacher(table, "MUN", "Mu\xF1oz", 18);
        AddTeacher(table, "ABC", "Abaitua", 12);
    }
    ScratchDir dir;
    Table table;
};

TEST_F(TableTest, WalksInRecordOrderOrByIndexWithTiesInRecordOrder) {
    EXPECT_EQ(Column(table, "NOMBRE"), (std::vector<std::string>{"Lopez", "Abad", "Mu\xF1oz", "Abaitua"}));
    table.SetIndexName("ABREV");
    EXPECT_EQ(Column(table, "NOMBRE"), (std::vector<std::string>{"Abad", "Abaitua", "Lopez", "Mu\xF1oz"}));
    table.SetIndexName("HORAS");
    EXPECT_EQ(Column(table, "NOMBRE"), (std::vector<std::string>{"Abaitua", "Lopez", "Mu\xF1oz", "Abad"}));
    // An order on a field without a tag is built in memory.
    table.SetIndexName("NOMBRE");
    EXPECT_EQ(Column(table, "ABREV"), (std::vector<std::string>{"ABC", "ABC", "LOP", "MUN"}));
}

TEST_F(TableTest, EndTestStaysOnTheLastRecord) {
    table.First();
    EXPECT_TRUE(table.Bof());
    for (int i = 0; i < 3; ++i)
        table.Next();
    EXPECT_FALSE(table.Eof());
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.AsString("NOMBRE"), "Abaitua");
    EXPECT_EQ(table.RecordCount(), 4);
}

TEST_F(TableTest, FieldReadsAndWritesFollowTheirTypes) {
    table.Append();
    table.SetString("ABREV", "  LARGO-DE-MAS  "); // cut to 10
    table.SetString("NOMBRE", "Ib\xE1\xF1"
                              "ez   ");
    table.SetFloat("PESO", 2.0);
    table.SetString("HORAS", " 7");
    table.SetBoolean("ACTIVO", true);
    table.Post();
    EXPECT_EQ(table.AsString("ABREV"), "  LARGO-DE");
    EXPECT_EQ(table.AsString("NOMBRE"), "Ib\xE1\xF1"
                                        "ez");
    EXPECT_EQ(table.AsString("PESO"), "2");
    EXPECT_EQ(table.AsInteger("HORAS"), 7);
    EXPECT_EQ(table.AsString("ACTIVO"), "True");

    const std::pair<double, int> rounding[] = {{2.5, 2},    {3.5, 4}, {-2.5, -2},
                                               {2.4999, 2}, {0.5, 0}, {1.5, 2}};
    for (const auto& [value, rounded] : rounding) {
        table.Edit();
        table.SetFloat("PESO", value);
        table.Post();
        EXPECT_EQ(table.AsInteger("PESO"), rounded) << value;
    }
    table.Edit();
    table.SetFloat("PESO", 0.1);
    table.Post();
    EXPECT_EQ(table.AsString("PESO"), "0.1");

    table.Edit();
    table.Clear("HORAS");
    table.Post();
    EXPECT_EQ(table.AsString("HORAS"), "");
    EXPECT_EQ(table.AsInteger("HORAS"), 0);
}

TEST_F(TableTest, TextThatIsNotANumberNamesValueAndField) {
    table.First();
    table.Edit();
    const std::pair<std::string, std::string> cases[] = {
        {"12a", "'12a' is not a valid integer value for field 'HORAS'"},
        {"   ", "'   ' is not a valid integer value for field 'HORAS'"},
        {"7 ", "'7 ' is not a valid integer value for field 'HORAS'"},
        {"1.5", "'1.5' is not a valid integer value for field 'HORAS'"},
    };
    for (const auto& [text, message] : cases) {
        try {
            table.SetString("HORAS", text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    table.Cancel();
    EXPECT_EQ(table.AsInteger("HORAS"), 18);
    // A character field that holds no number cannot be read as one.
    EXPECT_THROW(table.AsInteger("NOMBRE"), ConversionError);
}

TEST_F(TableTest, EditingAKeyMovesTheRecordInTheIndex) {
    table.SetIndexName("ABREV");
    ASSERT_TRUE(table.FindKey("LOP"));
    table.Edit();
    table.SetString("ABREV", "AAA");
    table.Next(); // moving off posts
    EXPECT_EQ(Column(table, "ABREV"), (std::vector<std::string>{"AAA", "ABC", "ABC", "MUN"}));
    // Edit while editing changes nothing; the first edit's value stays.
    table.First();
    table.Edit();
    table.SetString("NOMBRE", "Uno");
    table.Edit();
    table.Post();
    EXPECT_EQ(table.AsString("NOMBRE"), "Uno");
}

// A cursor steps on from the place its record has now, also when another
// cursor's edit moved it in the order.
TEST_F(TableTest, NextAndPriorGoOnFromWhereTheRecordIsNow) {
    table.SetIndexName("ABREV");
    ASSERT_TRUE(table.FindKey("LOP")); // ABC, ABC, LOP, MUN
    Table other;
    other.Open(dir.path(), "PROFT");
    other.SetIndexName("ABREV");
    ASSERT_TRUE(other.FindKey("MUN"));
    other.Edit();
    other.SetString("ABREV", "AAA");
    other.Post(); // AAA, ABC, ABC, LOP
    table.Next();
    EXPECT_TRUE(table.Eof());
    table.Last();
    table.Prior();
    EXPECT_EQ(table.AsString("NOMBRE"), "Abaitua");
    other.Edit();
    other.SetString("ABREV", "ZZZ"); // ABC, ABC, LOP, ZZZ
    other.Post();
    table.Prior();
    EXPECT_EQ(table.AsString("NOMBRE"), "Abad");
}

TEST_F(TableTest, DeleteMakesTheNextRecordCurrent) {
    table.SetIndexName("ABREV");
    ASSERT_TRUE(table.FindKey("ABC"));
    EXPECT_EQ(table.AsString("NOMBRE"), "Abad");
    table.Delete();
    EXPECT_EQ(table.AsString("NOMBRE"), "Abaitua");
    EXPECT_EQ(table.RecordCount(), 3);
    table.Last();
    table.Delete();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.AsString("NOMBRE"), "Lopez");
    EXPECT_EQ(Column(table, "NOMBRE"), (std::vector<std::string>{"Abaitua", "Lopez"}));
    EXPECT_FALSE(table.FindKey("MUN"));
    // Deleted rows stay in the file, hidden.
    table.Close();
    table.Open(dir.path(), "proft");
    EXPECT_EQ(table.RecordCount(), 2);
}

TEST_F(TableTest, FindKeyAndLocateFindTheFirstExactMatch) {
    table.SetIndexName("HORAS");
    ASSERT_TRUE(table.FindKey(18));
    EXPECT_EQ(table.AsString("ABREV"), "LOP");
    EXPECT_FALSE(table.FindKey(19));
    table.SetIndexName("ABREV");
    EXPECT_FALSE(table.FindKey("AB")); // whole key only
    EXPECT_FALSE(table.FindKey("abc"));

    table.SetIndexName("");
    EXPECT_TRUE(table.Locate("ABREV;HORAS", {"ABC", "12"}));
    EXPECT_EQ(table.AsString("NOMBRE"), "Abaitua");
    EXPECT_FALSE(table.Locate("ABREV", {"abc"}));   // case counts
    EXPECT_FALSE(table.Locate("ABREV", {"ABC "}));  // no partial or padded match
    EXPECT_EQ(table.AsString("NOMBRE"), "Abaitua"); // a failed search does not move
}

TEST_F(TableTest, DetailFollowsItsMaster) {
    Table::Create(dir.path(), "CUADRO",
                  {{{"PROF", FieldKind::String, 10}, {"HORA", FieldKind::Integer}}, {"PROF"}});
    Table detail;
    detail.Open(dir.path(), "CUADRO");
    for (const auto& [prof, hour] : std::vector<std::pair<std::string, long long>>{
             {"MUN", 3}, {"ABC", 1}, {"MUN", 1}, {"LOP", 2}, {"ABC", 5}})
        detail.AppendRecord({prof, hour});
    detail.SetIndexName("PROF");
    table.SetIndexName("ABREV");
    detail.SetMasterSource(&table, "ABREV");
    EXPECT_EQ(Column(detail, "HORA"), (std::vector<std::string>{"1", "5"}));
    table.Next(); // second ABC
    EXPECT_EQ(detail.RecordCount(), 2);
    table.Next(); // LOP
    EXPECT_EQ(Column(detail, "HORA"), (std::vector<std::string>{"2"}));
    table.Next(); // MUN
    EXPECT_EQ(detail.AsString("HORA"), "3");
    // Appending to a detail keeps it in the master's range.
    detail.Append();
    detail.SetString("PROF", "MUN");
    detail.SetInteger("HORA", 9);
    detail.Post();
    EXPECT_EQ(Column(detail, "HORA"), (std::vector<std::string>{"3", "1", "9"}));
    detail.SetMasterSource(nullptr, "");
    EXPECT_EQ(detail.RecordCount(), 6);
}

TEST_F(TableTest, UnlinkingAMasterKeepsTheTablesOwnDetails) {
    Table::Create(dir.path(), "HORAS",
                  {{{"HORA", FieldKind::Integer}, {"AULA", FieldKind::String, 4}}, {"HORA"}});
    Table grandchild;
    grandchild.Open(dir.path(), "HORAS");
    grandchild.AppendRecord({18LL, std::string("A1")});
    grandchild.AppendRecord({20LL, std::string("B2")});
    grandchild.SetIndexName("HORA");
    table.SetIndexName("ABREV");
    grandchild.SetMasterSource(&table, "HORAS");
    Table top;
    top.Open(dir.path(), "PROFT");
    table.SetMasterSource(&top, "ABREV"); // PROFT over itself by ABREV
    table.SetMasterSource(nullptr, "");
    table.FindKey("ABC"); // Abad, 20 hours
    EXPECT_EQ(grandchild.AsString("AULA"), "B2");
    table.FindKey("LOP");
    EXPECT_EQ(grandchild.AsString("AULA"), "A1");
}

TEST_F(TableTest, FilterLimitsWhileFilteredAndUnquotesTheValue) {
    table.Append();
    table.SetString("ABREV", "O'NEIL");
    table.Post();
    table.SetFilter("ABREV = 'O''NEIL'");
    EXPECT_EQ(table.RecordCount(), 5); // not yet filtered
    table.SetFiltered(true);
    EXPECT_EQ(Column(table, "ABREV"), (std::vector<std::string>{"O'NEIL"}));
    table.SetFilter("ABREV = 'ABC'");
    EXPECT_EQ(Column(table, "NOMBRE"), (std::vector<std::string>{"Abad", "Abaitua"}));
    table.SetFilter("");
    EXPECT_EQ(table.RecordCount(), 5);
    EXPECT_THROW(table.SetFilter("ABREV = ABC"), TableError);
    EXPECT_THROW(table.SetFilter("NADA = 'x'"), TableError);
}

TEST_F(TableTest, BookmarksReturnToTheRecord) {
    table.SetIndexName("ABREV");
    table.FindKey("MUN");
    const Bookmark mark = table.GetBookmark();
    table.First();
    table.GotoBookmark(mark);
    EXPECT_EQ(table.AsString("ABREV"), "MUN");
    table.Next();
    EXPECT_TRUE(table.Eof());
}

TEST_F(TableTest, TwoCursorsShareTheRowsAndExclusiveOpensConflict) {
    Table other;
    other.Open(dir.path(), "PROFT");
    other.First();
    other.Edit();
    other.SetString("NOMBRE", "Cambiado");
    other.Post();
    table.First();
    EXPECT_EQ(table.AsString("NOMBRE"), "Cambiado");
    other.AppendRecord({std::string("NEW")});
    EXPECT_EQ(table.RecordCount(), 5);

    Table exclusive;
    EXPECT_THROW(exclusive.Open(dir.path(), "PROFT", OpenMode::Exclusive), TableError);
    other.Close();
    table.Close();
    exclusive.Open(dir.path(), "PROFT", OpenMode::Exclusive);
    EXPECT_THROW(table.Open(dir.path(), "PROFT"), TableError);
#ifndef _WIN32
    // Another process cannot open it either.
    const pid_t child = fork();
    if (child == 0) {
        try {
            Table t;
            t.Open(dir.path(), "PROFT", OpenMode::ReadOnly);
            _exit(0);
        } catch (const TableError&) {
            _exit(3);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 3);
#endif
}

TEST_F(TableTest, ReadOnlyRefusesChanges) {
    table.Close();
    table.Open(dir.path(), "PROFT", OpenMode::ReadOnly);
    EXPECT_THROW(table.Edit(), TableError);
    EXPECT_THROW(table.Append(), TableError);
    EXPECT_EQ(table.RecordCount(), 4);
}

TEST_F(TableTest, ChangesReachTheFilesWhenClosedAndCreateStartsAnew) {
    table.Close();
    table.Open(dir.path(), "PROFT.dbf");
    EXPECT_EQ(table.RecordCount(), 4);
    table.SetIndexName("ABREV");
    EXPECT_EQ(Column(table, "ABREV"), (std::vector<std::string>{"ABC", "ABC", "LOP", "MUN"}));
    EXPECT_THROW(Table::Create(dir.path(), "PROFT", kTeachers), TableError); // open here
    table.Close();
    Table::Create(dir.path(), "proft", kTeachers);
    table.Open(dir.path(), "PROFT");
    EXPECT_TRUE(table.IsEmpty());
    // The files are replaced under the names they have, the index beside its table.
    EXPECT_TRUE(std::filesystem::exists(dir / "PROFT.MDX"));
    EXPECT_FALSE(std::filesystem::exists(dir / "proft.DBF"));
}

TEST(TableNamesTest, ResolveWithoutRegardToCase) {
    ScratchDir dir;
    Table::Create(dir.path(), "PLANTILLA", {{{"HORA", FieldKind::String, 2}}, {}});
    EXPECT_FALSE(std::filesystem::exists(dir / "PLANTILLA.MDX")); // no tags, no index file
    std::filesystem::rename(dir / "PLANTILLA.DBF", dir / "plantilla.dbf");
    Table t;
    t.Open(dir.path(), "Plantilla");
    t.AppendRecord({std::string("1")});
    t.Close();
    EXPECT_TRUE(std::filesystem::exists(dir / "plantilla.dbf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "PLANTILLA.DBF"));
    EXPECT_THROW(t.Open(dir.path(), "NOEXISTE"), TableError);
}

TEST(TableDeclTest, RefusesImpossibleDeclarations) {
    ScratchDir dir;
    const TableDecl bad[] = {
        {{}, {}},
        {{{"A", FieldKind::String, 0}}, {}},
        {{{"A", FieldKind::String, 255}}, {}},
        {{{"A", FieldKind::String, 1}, {"a", FieldKind::Integer}}, {}},
        {{{"A", FieldKind::String, 1}}, {"B"}},
        {{{std::string(32, 'X'), FieldKind::Integer}}, {}},
    };
    for (const auto& decl : bad)
        EXPECT_THROW(Table::Create(dir.path(), "T", decl), TableError);
}

} // namespace
} // namespace tv::tables
