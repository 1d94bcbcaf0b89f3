// The pass over SOLUC into fresh work tables: the worked class field by
// field, the rules of each working value, and what a class shares with
// another of the same teacher, day and period.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/work_records.h"

#include "tables/table_builder.h"

namespace tv::test {
namespace {

using tablorix_to_dae::CreaCuadrosHorarios;
using tablorix_to_dae::ExtractTimetable;

class ExtractionTest : public TablorixFixture {
  protected:
    void Extract(const std::vector<SolucRow>& soluc) {
        WriteSoluc(ktemp(), soluc);
        CreaCuadrosHorarios(ktemp());
        ExtractTimetable(ktemp());
    }
    std::vector<Row> Classes() { return Rows(ktemp(), "CUADROH2", "PROF_DIA_SES"); }
    std::vector<Row> Groups() { return Rows(ktemp(), "CUADROH3", "PROF_DIA_SES"); }
};

// The merging extraction looks keys up mostly in order, searching on from
// the last one found; a key asked out of order is found all the same.
TEST_F(ExtractionTest, EarlierRecordsAreFoundByKeyInAnyOrder) {
    CreaCuadrosHorarios(ktemp());
    const std::vector<std::string> stored = {"EEE       101", "AAA       101", "CCC       101",
                                             "AAA       101", "GGG       305"};
    {
        tables::Table t;
        t.Open(ktemp(), "CUADROH2");
        for (const std::string& key : stored) {
            t.Append();
            t.SetString("PROF_DIA_SES", key);
            t.Post();
        }
    }
    tables::TableBuilder table(ktemp(), "CUADROH2");
    const tablorix_to_dae::FirstRecordByKey keys(table, table.Field("PROF_DIA_SES"));
    const std::pair<std::string, std::uint32_t> lookups[] = {{"AAA       101", 2},
                                                             {"BBB       101", 0},
                                                             {"CCC       101", 3},
                                                             {"EEE       101", 1},
                                                             {"GGG       305", 5},
                                                             {"ZZZ       101", 0},
                                                             {"CCC       101", 3},
                                                             {"AAA       101", 2},
                                                             {"AAA", 0},
                                                             {"GGG       305", 5},
                                                             {"", 0},
                                                             {"EEE       101", 1}};
    for (const auto& [key, record] : lookups)
        EXPECT_EQ(keys.Find(key), record) << key;
}

const SolucRow kWorkedClass{"ABC", 2, 9, 2, "MAT", "1A", "A12", "0", ""};

TEST_F(ExtractionTest, TheWorkedClassFieldByField) {
    Extract({kWorkedClass});
    const std::string key = "ABC       209";
    EXPECT_EQ(Classes(), (std::vector<Row>{{
                             {"TIPREG", "2"},
                             {"TIPDOC", "1"},
                             {"ABREVPROF", "ABC"},
                             {"DOC", "D0001"},
                             {"NUMSESION", "09"},
                             {"DIASEM", "2"},
                             {"TIPTAR", "101"},
                             {"HORAINI", "14:00"},
                             {"HORAFIN", "15:50"},
                             {"GRUPNIV", "0005"},
                             {"ABREVASIG", "MAT"},
                             {"CODASIG", "1234ABCD"},
                             {"NOMASIG", "Matem\xE1ticas"},
                             {"TIPASIG", ""},
                             {"IDIOMA", "02"},
                             {"AULA_OBS", "A12"},
                             {"TIP_ACTIV", ""},
                             {"PROF_DIA_SES", key},
                             {"DIA_SES", "209"},
                             {"PLAN", "0001"},
                             {"REG_MOD", "N"},
                         }}));
    EXPECT_EQ(Groups(), (std::vector<Row>{{
                            {"TIPREG", "3"},
                            {"ABREVGRUP", "1A"},
                            {"CODGRUPO", "G0000001"},
                            {"TIPDOC", "1"},
                            {"ABREVPROF", "ABC"},
                            {"DOC", "D0001"},
                            {"NUMSESGRUP", "09"},
                            {"DIASEM", "2"},
                            {"NUMALUM", "25"},
                            {"ALIASDAE", "1A ESO"},
                            {"PROF_DIA_SES", key},
                            {"REG_MOD", "N"},
                        }}));
}

TEST_F(ExtractionTest, ClassesWithoutDayOrTeacherGiveNoRecord) {
    Extract({{"ABC", 0, 9, 1, "MAT", "1A"}, {"   ", 2, 9, 1, "MAT", "1A"}, {"", 3, 1, 1, "MAT", "1A"}});
    EXPECT_TRUE(Classes().empty());
    EXPECT_TRUE(Groups().empty());
    EXPECT_EQ(Rows(ktemp(), "PROFT").size(), 1u); // no blank teacher appended
}

// One class at a time: the working value each rule gives.
TEST_F(ExtractionTest, EachWorkingValueFollowsItsRule) {
    struct Case {
        const char* what;
        SolucRow soluc;
        std::string field;
        std::string expected;
        bool groupRecord = false; // the field is CUADROH3's
    };
    const Case cases[] = {
        {"two periods end at the second", {"ABC", 1, 3, 2, "MAT", "1A"}, "HORAFIN", "12:10"},
        {"one period ends at itself", {"ABC", 1, 3, 1, "MAT", "1A"}, "HORAFIN", "10:45"},
        {"no period count ends at itself", {"ABC", 1, 3, 0, "MAT", "1A"}, "HORAFIN", "10:45"},
        {"a period outside the template has no start", {"ABC", 1, 7, 1, "MAT", "1A"}, "HORAINI", ""},
        {"and no end", {"ABC", 1, 4, 2, "MAT", "1A"}, "HORAFIN", ""},
        {"a period of two digits", {"ABC", 3, 10, 1, "MAT", "1A"}, "PROF_DIA_SES", "ABC       310"},
        {"a long abbreviation is cut", {"ABCDEFGHIJKL", 1, 1, 1, "MAT", "1A"}, "ABREVPROF", "ABCDEFGHIJ"},
        {"a blank task with a DAE level", {"ABC", 1, 1, 1, "MAT", "1A"}, "TIPTAR", "101"},
        {"a blank task without a group", {"ABC", 1, 1, 1, "MAT", ""}, "TIPTAR", ""},
        {"a blank task with an unknown group", {"ABC", 1, 1, 1, "MAT", "9Z"}, "TIPTAR", ""},
        {"the timetable's task", {"ABC", 1, 1, 1, "GUA", "", "BIB", "0", "0200"}, "TIPTAR", "0200"},
        {"a short DAE code is no lective line", {"ABC", 1, 1, 1, "GUA", ""}, "IDIOMA", ""},
        {"an unknown subject has no code", {"ABC", 1, 1, 1, "XXX", "1A"}, "CODASIG", ""},
        {"the group's maximum for 0 pupils", {"ABC", 1, 1, 1, "MAT", "1A", "", "0"}, "NUMALUM", "25", true},
        {"the timetable's pupils", {"ABC", 1, 1, 1, "MAT", "1A", "", "18"}, "NUMALUM", "18", true},
        {"0 pupils of an unknown group", {"ABC", 1, 1, 1, "MAT", "9Z", "", "0"}, "NUMALUM", "0", true},
        {"a hundred pupils and more", {"ABC", 1, 1, 1, "MAT", "1A", "", "120"}, "NUMALUM", "120", true},
        {"an unknown group has no code", {"ABC", 1, 1, 1, "MAT", "9Z"}, "CODGRUPO", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Extract({c.soluc});
        const auto rows = c.groupRecord ? Groups() : Classes();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].at(c.field), c.expected);
    }
}

TEST_F(ExtractionTest, TwoGroupsInOneClassShareTheClassRecord) {
    WriteGroups(ktemp(), {{"1A", "0005", "0001", "G0000001", "1A ESO", 25},
                          {"1B", "0007", "0002", "G0000002", "1B ESO", 20}});
    Extract({{"ABC", 2, 9, 1, "MAT", "1A", "A12", "10"}, {"ABC", 2, 9, 2, "GUA", "1B", "A13", "0"}});
    const auto classes = Classes();
    ASSERT_EQ(classes.size(), 1u);
    // Written always: the later class's; written while blank: the earlier's.
    EXPECT_EQ(classes[0].at("ABREVASIG"), "GUA");
    EXPECT_EQ(classes[0].at("AULA_OBS"), "A13");
    EXPECT_EQ(classes[0].at("HORAFIN"), "15:50");
    EXPECT_EQ(classes[0].at("PLAN"), "0002");
    EXPECT_EQ(classes[0].at("GRUPNIV"), "0005");
    EXPECT_EQ(classes[0].at("IDIOMA"), "02"); // set by the first, left by the second
    const auto groups = Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].at("ABREVGRUP"), "1A");
    EXPECT_EQ(groups[0].at("NUMALUM"), "10");
    EXPECT_EQ(groups[1].at("ABREVGRUP"), "1B");
    EXPECT_EQ(groups[1].at("NUMALUM"), "20");
}

TEST_F(ExtractionTest, AnUnknownTeacherIsAppendedOnceWithoutDocument) {
    Extract({{"NEW", 1, 1, 1, "MAT", "1A"}, {"NEW", 1, 2, 1, "MAT", "1A"}, {"ABC", 1, 3, 1, "MAT", "1A"}});
    const auto teachers = Rows(ktemp(), "PROFT", "ABREV");
    ASSERT_EQ(teachers.size(), 2u);
    EXPECT_EQ(teachers[1].at("ABREV"), "NEW");
    EXPECT_EQ(teachers[1].at("DNI"), "");
    const auto classes = Classes();
    ASSERT_EQ(classes.size(), 3u);
    EXPECT_EQ(classes[1].at("ABREVPROF"), "NEW");
    EXPECT_EQ(classes[1].at("DOC"), "");
    EXPECT_EQ(classes[1].at("TIPDOC"), "");
}

TEST_F(ExtractionTest, TheFirstGroupAndSubjectInTableOrderWin) {
    WriteGroups(ktemp(), {{"2B", "0001", "0001", "FIRST", "", 5},
                          {"1A", "0005", "0001", "G0000001", "1A ESO", 25},
                          {"2B", "0002", "0002", "SECOND", "", 6}});
    WriteSubjects(ktemp(), {{"ING", "11111111", "Ingl\xE9s"}, {"ING", "22222222", "Otro"}});
    Extract({{"ABC", 1, 1, 1, "ING", "2B"}});
    EXPECT_EQ(Classes()[0].at("CODASIG"), "11111111");
    EXPECT_EQ(Groups()[0].at("CODGRUPO"), "FIRST");
    EXPECT_EQ(Groups()[0].at("NUMALUM"), "5");
}

TEST_F(ExtractionTest, ASolucNumberThatIsNotOneNamesTheRecordAndChangesNothing) {
    tables::TableDecl decl;
    decl.fields = {Text("PROF", 10),    Text("DIA", 2),   Text("HORA", 2),
                   Text("SESIONES", 2), Text("ASIG", 10), Text("CODGRUPO", 10),
                   Text("AULA", 10),    Text("NALUM", 4), Text("TAREA", 4)};
    tables::Table::Create(ktemp(), "SOLUC", decl);
    {
        tables::Table t;
        t.Open(ktemp(), "SOLUC");
        t.AppendRecord({std::string("NEW"), std::string("1"), std::string("1"), std::string("1")});
        t.AppendRecord({std::string("ABC"), std::string("2"), std::string("X"), std::string("1")});
    }
    CreaCuadrosHorarios(ktemp());
    try {
        ExtractTimetable(ktemp());
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "SOLUC, registro 2: 'X' is not a valid integer value");
    }
    EXPECT_EQ(Rows(ktemp(), "PROFT").size(), 1u);
    EXPECT_TRUE(Classes().empty());
}

} // namespace
} // namespace tv::test
