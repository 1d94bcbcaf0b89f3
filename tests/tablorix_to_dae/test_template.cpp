// The class-hour template PLANTILLA, the centre data asked for on the way to
// DAE, and the work tables created anew.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/import_centre.h"

#include "tables/file_names.h"
#include "tables/mdx_file.h"

namespace tv::test {
namespace {

namespace t2d = tablorix_to_dae;
using t2d::TemplateRow;

class TemplateTest : public TablorixFixture {
  protected:
    // DIASHORAST with one row per (DIHO, start, end).
    void WriteDayHours(const std::vector<std::array<std::string, 3>>& rows) {
        tables::TableDecl decl;
        decl.fields = {Text("DIHO", 10), Text("HORADESDE", 8), Text("HORAHASTA", 8)};
        tables::Table::Create(ktemp(), "DIASHORAST", decl);
        tables::Table t;
        t.Open(ktemp(), "DIASHORAST");
        for (const auto& [diho, start, end] : rows)
            t.AppendRecord({diho, start, end});
    }
    std::vector<TemplateRow> Built() {
        EXPECT_TRUE(t2d::PlantillaCentro(Context()));
        return t2d::ReadTemplate(ktemp());
    }
};

TEST_F(TemplateTest, WithoutDayHourTableTwentyOneHourPeriods) {
    const auto rows = Built();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0], (TemplateRow{1, "08:00", "09:00"}));
    EXPECT_EQ(rows[1], (TemplateRow{2, "09:00", "10:00"}));
    EXPECT_EQ(rows[15], (TemplateRow{16, "23:00", "24:00"}));
    EXPECT_EQ(rows[16], (TemplateRow{17, "00:00", "01:00"}));
    EXPECT_EQ(rows[19], (TemplateRow{20, "03:00", "04:00"}));
    EXPECT_TRUE(tables::FileExistsNoCase(ktemp(), "PLANTILLA.MDX"));
}

TEST_F(TemplateTest, FromTheDayHourTable) {
    struct Case {
        const char* what;
        std::vector<std::array<std::string, 3>> dayHours;
        std::vector<TemplateRow> expected;
    };
    const Case cases[] = {
        {"a later day's extra period follows the first day's",
         {{"11", "08:00", "08:50"},
          {"12", "08:50", "09:40"},
          {"21", "07:00", "07:50"},
          {"22", "x", "y"},
          {"23", "09:40", "10:30"}},
         {{1, "08:00", "08:50"}, {2, "08:50", "09:40"}, {3, "09:40", "10:30"}}},
        {"a missing period ends the template",
         {{"11", "08:00", "08:50"}, {"12", "08:50", "09:40"}, {"14", "10:30", "11:20"}},
         {{1, "08:00", "08:50"}, {2, "08:50", "09:40"}}},
        {"period 10 is characters 2-3 of DIHO",
         {{"11", "a", "b"},
          {"12", "c", "d"},
          {"13", "e", "f"},
          {"14", "g", "h"},
          {"15", "i", "j"},
          {"16", "k", "l"},
          {"17", "m", "n"},
          {"18", "o", "p"},
          {"19", "q", "r"},
          {"110", "s", "t"}},
         {{1, "a", "b"},
          {2, "c", "d"},
          {3, "e", "f"},
          {4, "g", "h"},
          {5, "i", "j"},
          {6, "k", "l"},
          {7, "m", "n"},
          {8, "o", "p"},
          {9, "q", "r"},
          {10, "s", "t"}}},
        {"times are cut to 5 characters", {{"11", "08:00:00", "08:55:00"}}, {{1, "08:00", "08:55"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteDayHours(c.dayHours);
        EXPECT_EQ(Built(), c.expected);
    }
}

TEST_F(TemplateTest, ADayHourTableWithoutPeriodOneGivesTheDefaultTemplate) {
    WriteDayHours({});
    EXPECT_EQ(Built().size(), 20u);
    WriteDayHours({{"12", "08:00", "09:00"}});
    EXPECT_EQ(Built().size(), 20u);
}

TEST_F(TemplateTest, APeriodThatIsNotANumberStopsBeforeTheOldTemplateIsTouched) {
    WriteDayHours({{"11", "08:00", "08:50"}, {"1X", "08:50", "09:40"}});
    const auto before = ReadBytes(ktemp() / "PLANTILLA.DBF");
    try {
        t2d::PlantillaCentro(Context());
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(
            error.what(),
            "DIASHORAST: el registro 2 tiene DIHO '1X', cuyos caracteres 2 y 3 no son un n\xFAmero de hora.");
    }
    EXPECT_EQ(ReadBytes(ktemp() / "PLANTILLA.DBF"), before);
}

TEST_F(TemplateTest, MissingCentreDataAreAskedForUntilAllThreeHoldText) {
    auto context = Context();
    ASSERT_TRUE(t2d::AskForCentreDataIfMissing(context));
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::CentreDataAsked);
    EXPECT_TRUE(Rows(ktemp(), "daeCENTRO").empty());
    EXPECT_FALSE(t2d::CentreDataComplete(context));

    t2d::StoreCentreData(ktemp(), "014725", "2025", "   ");
    EXPECT_FALSE(t2d::CentreDataComplete(context));
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::CentreDataAsked);
    t2d::StoreCentreData(ktemp(), "014725", "2025", "2526");
    EXPECT_TRUE(t2d::CentreDataComplete(context));
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::Idle);
    EXPECT_EQ(Rows(ktemp(), "daeCENTRO").size(), 1u);
    EXPECT_FALSE(t2d::AskForCentreDataIfMissing(context)); // present now: nothing asked
}

TEST_F(TemplateTest, WorkTablesAreCreatedEmptyWithEveryTagAndNothingElseChanges) {
    t2d::CreaCuadrosHorarios(ktemp());
    for (const auto table : {"CUADROH2", "CUADROH3"}) {
        tables::Table t;
        t.Open(ktemp(), table);
        t.AppendRecord({std::string("x")});
    }
    std::filesystem::remove(ktemp() / "CUADROH3.MDX"); // a table without its index file
    const auto teachers = ReadBytes(ktemp() / "PROFT.DBF");

    t2d::CreaCuadrosHorarios(ktemp());
    const std::pair<const char*, std::vector<std::string>> expected[] = {
        {"CUADROH2", {"ABREVPROF", "DOC", "PROF_DIA_SES", "DIA_SES"}},
        {"CUADROH3", {"ABREVPROF", "DOC", "PROF_DIA_SES"}},
    };
    for (const auto& [table, tags] : expected) {
        SCOPED_TRACE(table);
        EXPECT_TRUE(Rows(ktemp(), table).empty());
        const auto mdx = ReadBytes(ktemp() / (std::string(table) + ".MDX"));
        std::vector<std::string> names;
        for (const auto& tag : tables::ReadMdx(mdx, table).tags)
            names.push_back(tag.name);
        EXPECT_EQ(names, tags);
    }
    tables::Table groups;
    groups.Open(ktemp(), "CUADROH3", tables::OpenMode::ReadOnly);
    EXPECT_EQ(groups.Fields()[8].name, "NUMALUM");
    EXPECT_EQ(groups.Fields()[8].length, 4);
    EXPECT_EQ(ReadBytes(ktemp() / "PROFT.DBF"), teachers);
}

TEST(ClassKeyTest, TeacherInTenDayAndTwoDigitPeriod) {
    EXPECT_EQ(t2d::ClassKey("ABC", 2, 9), "ABC       209");
    EXPECT_EQ(t2d::ClassKey("ABC", 2, 11), "ABC       211");
    EXPECT_EQ(t2d::ClassKey("ABCDEFGHIJKL", 5, 1), "ABCDEFGHIJ501");
    EXPECT_EQ(t2d::ClassKey("Mu\xF1oz", 1, 0), "Mu\xF1oz     100");
    // Longer texts than a key field holds: the field cuts them.
    EXPECT_EQ(t2d::ClassKey("ABC", 12, 123), "ABC       120123");
    EXPECT_EQ(t2d::ClassKey("ABC", -1, 5), "ABC       -105");
    EXPECT_EQ(t2d::ClassKey("ABC", 2, -1), "ABC       2-1"); // two characters, as a period of two digits
}

// The key placed straight into a key field is the text's first 13 characters,
// on the quick path for days 1-9 and periods 0-99 and off it.
TEST(ClassKeyTest, StoredKeyIsTheTextAsTheFieldCutsIt) {
    const struct {
        std::string_view teacher;
        int day, period;
    } cases[] = {{"ABC", 2, 9},  {"ABC", 2, 11},  {"ABCDEFGHIJKL", 5, 1}, {"Mu\xF1oz", 1, 0}, {"", 9, 99},
                 {"ABC", 12, 3}, {"ABC", 2, 123}, {"ABC", -1, 5},         {"ABC", 2, -1},     {"ABC", 0, 1}};
    for (const auto& c : cases) {
        char stored[t2d::kKeyWidth];
        t2d::StoreClassKey(stored, c.teacher, c.day, c.period);
        EXPECT_EQ(std::string_view(stored, sizeof stored),
                  t2d::ClassKey(c.teacher, c.day, c.period).substr(0, t2d::kKeyWidth))
            << c.teacher << " " << c.day << " " << c.period;
    }
}

} // namespace
} // namespace tv::test
