// The codification window's rules over its cursors: the lective rule, the
// lists' fills, the document copy and "&Terminar".
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/codification_rules.h"
#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/messages.h"

namespace tv::test {
namespace {

namespace t2d = tablorix_to_dae;

class CodificationTest : public TablorixFixture {
  protected:
    void SetUp() override {
        TablorixFixture::SetUp();
        WriteTeachers(ktemp(), {{"ABC", "D0001", "1"}, {"XYZ", "  ", "2"}, {"ZZ", "D0003", ""}});
        WriteGroups(ktemp(), {{"1A", "0005", "0001", "G0000001", "1A ESO", 25},
                              {"1B", "0005", "0001", "G0000002", "1B ESO", 20}});
        WriteSoluc(ktemp(), {{"ABC", 1, 1, 1, "MAT", "1A"},
                             {"ABC", 1, 2, 1, "MAT", "1A"},
                             {"ABC", 1, 2, 1, "MAT", "1B"},
                             {"XYZ", 1, 1, 1, "MAT", "1B"}});
        ExtractWithCentreData();
        for (const char* name : {"daeTIPDOC", "daeTIPTAR", "daeIDIOMA", "daeOTRACT"})
            WriteCatalogue(ktemp(), name, {Text("COD", 4)}, {});
        WriteCatalogue(ktemp(), "daeNIVIMP", {Text("COD", 4), Text("PLAN", 4)},
                       {{std::string("0005"), std::string("0010")}});
        WriteCatalogue(ktemp(), "daeASIGNAT", {Text("COD", 8), Text("DESCCAST", 100), Text("DESCEUSK", 100)},
                       {{std::string("1234ABCD"), std::string("Matem\xE1ticas"), std::string("Matematika")}});
        tables.Open(ktemp());
    }

    // Moves the teachers' cursor to `abbreviation`.
    void GoToTeacher(const std::string& abbreviation) { ASSERT_TRUE(tables.teachers.FindKey(abbreviation)); }

    t2d::CodificationTables tables;
};

TEST(LectiveRuleTest, FiveCharactersAfterTheWiderTrimMakeALectiveLine) {
    struct Case {
        const char* code;
        bool lective;
    };
    const Case cases[] = {{"", false},         {"1234", false}, {" 1234   ", false},
                          {"\t0200\t", false}, {"12345", true}, {"1234ABCD", true}};
    for (const auto& c : cases) {
        const auto editing = t2d::LectiveRule(c.code);
        EXPECT_EQ(editing.lective, c.lective) << c.code;
        EXPECT_EQ(editing.subjectEditable, c.lective) << c.code;
        EXPECT_EQ(editing.activityEditable, !c.lective) << c.code;
        EXPECT_EQ(t2d::ReadOnlyListMessage(t2d::CodeList::Subject, editing).has_value(), !c.lective);
        EXPECT_EQ(t2d::ReadOnlyListMessage(t2d::CodeList::Activity, editing).has_value(), c.lective);
    }
    EXPECT_EQ(t2d::ReadOnlyListMessage(t2d::CodeList::Subject, t2d::LectiveRule("")),
              t2d::SubjectListOnNonLectiveLine());
    EXPECT_EQ(t2d::ReadOnlyListMessage(t2d::CodeList::Activity, t2d::LectiveRule("12345")),
              t2d::ActivityListOnLectiveLine());
}

TEST_F(CodificationTest, TheLectiveRuleRunsOnlyInTheCodeColumns) {
    GoToTeacher("ABC");
    EXPECT_FALSE(t2d::ApplyLective("TIPTAR", tables.classes).has_value());
    const auto editing = t2d::ApplyLective("TIP_ACTIV", tables.classes);
    ASSERT_TRUE(editing.has_value());
    EXPECT_TRUE(editing->lective);
}

TEST_F(CodificationTest, TheListsFillNameAndPlan) {
    GoToTeacher("ABC");
    tables.subjects.First();
    EXPECT_FALSE(t2d::FillNameFromSubject(tables.classes, tables.subjects, false)); // already its name
    tables.classes.Edit();
    tables.classes.SetString("NOMASIG", "Otra");
    tables.classes.Post();
    EXPECT_FALSE(t2d::FillNameFromSubject(tables.classes, tables.subjects, true));
    EXPECT_TRUE(t2d::FillNameFromSubject(tables.classes, tables.subjects, false));
    EXPECT_EQ(tables.classes.AsString("NOMASIG"), "Matem\xE1ticas");

    tables.levels.First();
    t2d::FillPlanFromLevel(tables.classes, tables.levels);
    EXPECT_EQ(tables.classes.AsString("PLAN"), "0010");
    tables.classes.SetString("GRUPNIV", " ");
    t2d::FillPlanFromLevel(tables.classes, tables.levels);
    EXPECT_EQ(tables.classes.AsString("PLAN"), "");
    tables.classes.Post();
}

TEST_F(CodificationTest, ADocumentGoesToAllTheTeachersRecordsAndNoOthers) {
    GoToTeacher("ABC");
    tables.classes.Next();
    const auto classMark = tables.classes.RecNo();
    tables.groups.Last();
    const auto groupMark = tables.groups.RecNo();
    tables.teachers.Edit();
    tables.teachers.SetString("TIPODNI", "0002");
    tables.teachers.SetString("DNI", "X1");
    t2d::CopyDocumentToTeacherRecords(tables);
    EXPECT_EQ(tables.classes.RecNo(), classMark);
    EXPECT_EQ(tables.groups.RecNo(), groupMark);
    tables.teachers.Post();
    tables.Close();

    for (const auto table : {"CUADROH2", "CUADROH3"}) {
        for (const auto& row : Rows(ktemp(), table)) {
            const bool mine = row.at("ABREVPROF") == "ABC";
            EXPECT_EQ(row.at("DOC"), mine ? "X1" : "") << table;
            EXPECT_EQ(row.at("TIPDOC"), mine ? "0002" : "2") << table;
        }
    }
}

TEST_F(CodificationTest, TerminarAsksAboutTheFirstTeacherWithoutADocument) {
    const auto teachers = t2d::TeachersWithoutDocument(tables);
    EXPECT_EQ(teachers, std::vector<std::string>{"XYZ"}); // blanks count as missing; a missing type does not

    auto context = Context();
    context.daeFolder = dae();
    prompt.answers = {true};
    EXPECT_EQ(t2d::Terminar(context, tables), t2d::TerminarOutcome::KeepEditing);
    EXPECT_EQ(tables.teachers.AsString("ABREV"), "XYZ");
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{std::string(t2d::TeacherWithoutDocumentQuestion())});
    EXPECT_TRUE(tables.teachers.Active());

    prompt.answers = {false};
    EXPECT_EQ(t2d::Terminar(context, tables), t2d::TerminarOutcome::Closed);
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::NotFinished);
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::CodificationUnfinished);
    EXPECT_FALSE(tables.teachers.Active());
    EXPECT_FALSE(std::filesystem::exists(dae() / "fCUADROS.txt"));
}

TEST_F(CodificationTest, ADocumentTypedButNotConfirmedCountsAndTheFileIsWritten) {
    GoToTeacher("XYZ");
    tables.teachers.Edit();
    tables.teachers.SetString("DNI", "D0002");
    auto context = Context();
    context.daeFolder = dae();
    state.WorkflowState = tv::WorkflowState::CodificationUnfinished;
    EXPECT_EQ(t2d::Terminar(context, tables), t2d::TerminarOutcome::Closed);
    EXPECT_TRUE(prompt.Texts().empty());
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::Finished);
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::Idle);
    EXPECT_TRUE(std::filesystem::exists(dae() / "fCUADROS.txt"));
    EXPECT_EQ(Rows(ktemp(), "PROFT", "ABREV")[1].at("DNI"), "D0002");
}

TEST_F(CodificationTest, AFileThatCannotBeWrittenLeavesTheTablesOpenForAnotherTry) {
    GoToTeacher("XYZ");
    tables.teachers.Edit();
    tables.teachers.SetString("DNI", "D0002");
    std::filesystem::create_directory(dae() / "fCUADROS.txt"); // a folder stands where the file goes
    auto context = Context();
    context.daeFolder = dae();
    EXPECT_EQ(t2d::Terminar(context, tables), t2d::TerminarOutcome::WriteFailed);
    ASSERT_EQ(prompt.Texts().size(), 1u);
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::NotFinished);
    EXPECT_EQ(
        state.WorkflowState,
        tv::WorkflowState::CodificationUnfinished); // closed now from the title bar, the run is not finished
    ASSERT_TRUE(tables.teachers.Active());
    // The cursors are linked as the window shows them again.
    GoToTeacher("ABC");
    int classes = 0;
    for (tables.classes.First(); !tables.classes.Eof(); tables.classes.Next(), ++classes)
        EXPECT_EQ(tables.classes.AsString("ABREVPROF"), "ABC");
    EXPECT_EQ(classes, 2);

    std::filesystem::remove(dae() / "fCUADROS.txt");
    EXPECT_EQ(t2d::Terminar(context, tables), t2d::TerminarOutcome::Closed);
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::Finished);
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::Idle);
    EXPECT_TRUE(std::filesystem::is_regular_file(dae() / "fCUADROS.txt"));
}

TEST(MissingCodeTest, TheWiderTrimDecides) {
    // Blanks and control characters are nothing; a non-breaking space (0xA0) is something.
    for (const auto& [document, missing] : std::vector<std::pair<std::string, bool>>{
             {"", true}, {"   ", true}, {"\t \r", true}, {"\xA0", false}, {" X ", false}})
        EXPECT_EQ(t2d::DocumentMissing(document), missing) << document;
    EXPECT_TRUE(t2d::ClassCodeMissing("1234", " "));
    EXPECT_FALSE(t2d::ClassCodeMissing("12345", ""));
    EXPECT_FALSE(t2d::ClassCodeMissing("", "0101"));
    EXPECT_FALSE(t2d::ClassCodeMissing("", "\xA0"));
}

} // namespace
} // namespace tv::test
