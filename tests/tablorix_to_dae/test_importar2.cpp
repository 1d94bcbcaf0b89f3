// Importar2's three paths over earlier work tables, and what a merging
// extraction keeps of the codes completed in an earlier run.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/importar2.h"
#include "tablorix_to_dae/messages.h"

namespace tv::test {
namespace {

using tablorix_to_dae::Importar2;
using tablorix_to_dae::ImportContext;
namespace t2d = tablorix_to_dae;

class Importar2Test : public TablorixFixture {
  protected:
    // Runs Importar2 with `answers` to its questions; the codification
    // "window" ends with `codificationEnd` as WorkflowState.
    void Run(std::deque<bool> answers, int codificationEnd = 0) {
        prompt.answers = std::move(answers);
        prompt.shown.clear();
        codificationOpened = false;
        auto context = Context();
        Importar2(context, [&](ImportContext& codification) {
            codificationOpened = true;
            EXPECT_EQ(codification.daeFolder, dae());
            codification.state.WorkflowState = codificationEnd;
        });
    }

    // Completes the codes of every record as a user would in the codification window.
    void CodeEverything() {
        for (const auto table : {"CUADROH2", "CUADROH3"}) {
            tables::Table t;
            t.Open(ktemp(), table);
            for (t.First(); !t.Eof(); t.Next()) {
                t.Edit();
                t.SetString("TIPDOC", "0003");
                t.SetString("DOC", "USER");
                if (std::string(table) == "CUADROH2") {
                    t.SetString("TIPTAR", "0110");
                    t.SetString("GRUPNIV", "0007");
                    t.SetString("IDIOMA", "01");
                    t.SetString("TIP_ACTIV", "003");
                    t.SetString("PLAN", "9999");
                } else {
                    t.SetString("CODGRUPO", "USERGRP");
                    t.SetString("NUMALUM", "7");
                }
                t.Post();
            }
        }
    }

    std::vector<Row> Classes() { return Rows(ktemp(), "CUADROH2", "PROF_DIA_SES"); }
    std::vector<Row> Groups() { return Rows(ktemp(), "CUADROH3", "PROF_DIA_SES"); }

    bool codificationOpened = false;
};

TEST_F(Importar2Test, WithoutEarlierTablesNothingIsAskedAndTheProcessFinishes) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 2, "MAT", "1A", "A12"}});
    Run({});
    EXPECT_TRUE(codificationOpened);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{std::string(t2d::ProcessFinished())});
    EXPECT_EQ(state.WorkflowState, 0);
    EXPECT_EQ(state.TransformResult, 1);
    EXPECT_EQ(Classes().size(), 1u);
}

TEST_F(Importar2Test, TheEndMessageFollowsTheCodification) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 2, "MAT", "1A", "A12"}});
    Run({}, 4);
    EXPECT_EQ(prompt.Texts().back(), t2d::ProcessNotFinished());
    EXPECT_EQ(state.WorkflowState, 4);
    EXPECT_EQ(state.TransformResult, 1);
}

TEST_F(Importar2Test, TheThreePathsOverEarlierTables) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 2, "MAT", "1A", "A12"}});
    Run({});
    CodeEverything();
    const auto coded = Classes();
    WriteSoluc(ktemp(), {{"ABC", 3, 1, 1, "MAT", "1A", "A12"}});

    // Yes, Yes: straight to the codification, the tables untouched.
    const auto before = ReadBytes(ktemp() / "CUADROH2.DBF");
    Run({true, true});
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{std::string(t2d::KeepEarlierDataQuestion()),
                                                        std::string(t2d::CodificationOnlyQuestion()),
                                                        std::string(t2d::ProcessFinished())}));
    EXPECT_TRUE(codificationOpened);
    EXPECT_EQ(ReadBytes(ktemp() / "CUADROH2.DBF"), before);

    // Yes, No: merged; the class moved, so its old record went.
    Run({true, false});
    EXPECT_EQ(prompt.Texts().size(), 3u);
    auto classes = Classes();
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0].at("PROF_DIA_SES"), "ABC       301");
    EXPECT_EQ(classes[0].at("DOC"), "D0001"); // from blank codes, not the moved record's

    // No: renewed, no second question.
    CodeEverything();
    Run({false});
    EXPECT_EQ(prompt.Texts().size(), 2u);
    EXPECT_EQ(Classes()[0].at("DOC"), "D0001");
    EXPECT_EQ(state.WorkflowState, 0);
    EXPECT_NE(coded, Classes());
}

TEST_F(Importar2Test, AMergeKeepsTheCompletedCodesAndRefreshesWhatTheTimetableDecides) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 2, "MAT", "1A", "A12", "0"}});
    Run({});
    CodeEverything();
    // Tablorix changed the class's subject, room, length and pupils, and the group's plan.
    WriteSubjects(ktemp(), {{"MAT", "1234ABCD", "Matem\xE1ticas"}, {"LAB", "5555", "Laboratorio"}});
    WriteGroups(ktemp(), {{"1A", "0006", "0002", "G0000009", "1A NUEVO", 25}});
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "LAB", "1A", "B7", "22"}});
    Run({true, false});

    const auto classes = Classes();
    ASSERT_EQ(classes.size(), 1u);
    const Row& c = classes[0];
    EXPECT_EQ(c.at("TIPDOC"), "0003");
    EXPECT_EQ(c.at("DOC"), "USER");
    EXPECT_EQ(c.at("TIPTAR"), "0110");
    EXPECT_EQ(c.at("GRUPNIV"), "0007");
    EXPECT_EQ(c.at("IDIOMA"), "01"); // a code of 4 characters leaves the user's language
    EXPECT_EQ(c.at("CODASIG"), "5555");
    EXPECT_EQ(c.at("NOMASIG"), "Laboratorio");
    EXPECT_EQ(c.at("ABREVASIG"), "LAB");
    EXPECT_EQ(c.at("AULA_OBS"), "B7");
    EXPECT_EQ(c.at("HORAFIN"), "14:55");
    EXPECT_EQ(c.at("PLAN"), "0002");
    EXPECT_EQ(c.at("TIP_ACTIV"), "");
    EXPECT_EQ(c.at("REG_MOD"), "N");

    const auto groups = Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].at("CODGRUPO"), "USERGRP");
    EXPECT_EQ(groups[0].at("DOC"), "USER");
    EXPECT_EQ(groups[0].at("NUMALUM"), "22");
    EXPECT_EQ(groups[0].at("ALIASDAE"), "1A NUEVO");
    EXPECT_EQ(groups[0].at("REG_MOD"), "N");
}

TEST_F(Importar2Test, AMergeWithTwoGroupsInOneClassKeepsTheFirstGroupsRecord) {
    WriteGroups(ktemp(), {{"1A", "0005", "0001", "G0000001", "1A ESO", 25},
                          {"1B", "0005", "0001", "G0000002", "1B ESO", 20}});
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "MAT", "1A"}, {"ABC", 2, 9, 1, "MAT", "1B"}});
    Run({});
    CodeEverything();
    // Now 1B comes first in the timetable: 1A's record is the key's first, so
    // 1B gets a new record from GRUPOST and its old one goes.
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "MAT", "1B"}, {"ABC", 2, 9, 1, "MAT", "1A"}});
    Run({true, false});
    const auto groups = Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].at("ABREVGRUP"), "1A");
    EXPECT_EQ(groups[0].at("CODGRUPO"), "USERGRP");
    EXPECT_EQ(groups[1].at("ABREVGRUP"), "1B");
    EXPECT_EQ(groups[1].at("CODGRUPO"), "G0000002");
    EXPECT_EQ(groups[1].at("DOC"), "D0001");
}

TEST_F(Importar2Test, AMergeAfterTheTimetableChangedCompletelyKeepsOnlyTheNewClasses) {
    WriteSoluc(ktemp(),
               {{"ABC", 1, 1, 1, "MAT", "1A"}, {"ABC", 1, 2, 1, "MAT", "1A"}, {"ABC", 1, 3, 1, "MAT"}});
    Run({});
    WriteSoluc(ktemp(), {{"ABC", 4, 1, 1, "MAT", "1A"}, {"ABC", 5, 2, 1, "MAT", ""}});
    Run({true, false});
    std::vector<std::string> keys;
    for (const auto& row : Classes())
        keys.push_back(row.at("PROF_DIA_SES") + "/" + row.at("REG_MOD"));
    EXPECT_EQ(keys, (std::vector<std::string>{"ABC       401/N", "ABC       502/N"}));
    const auto groups = Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].at("PROF_DIA_SES"), "ABC       401");
}

TEST_F(Importar2Test, AnEarlierNarrowNumberOfPupilsIsWidenedAndMerged) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "MAT", "1A", "", "12"}});
    Run({});
    // The table as an earlier version made it: NUMALUM of 2 characters.
    auto decl = tablorix_to_dae::CuadroH3Declaration();
    for (auto& field : decl.fields)
        if (field.name == "NUMALUM") field.width = 2;
    const auto kept = Rows(ktemp(), "CUADROH3");
    tables::Table::Create(ktemp(), "CUADROH3", decl);
    {
        tables::Table t;
        t.Open(ktemp(), "CUADROH3");
        t.Append();
        for (const auto& [field, value] : kept[0])
            t.SetString(field, value);
        t.SetString("CODGRUPO", "USERGRP");
        t.Post();
    }
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "MAT", "1A", "", "120"}});
    Run({true, false});
    tables::Table t;
    t.Open(ktemp(), "CUADROH3", tables::OpenMode::ReadOnly);
    EXPECT_EQ(t.Fields()[static_cast<std::size_t>(t.FieldIndex("NUMALUM"))].length, 4);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.AsString("NUMALUM"), "120");
    EXPECT_EQ(t.AsString("CODGRUPO"), "USERGRP");
}

TEST_F(Importar2Test, AFailedExtractionPutsTheEarlierTablesBack) {
    WriteSoluc(ktemp(), {{"ABC", 2, 9, 1, "MAT", "1A"}});
    Run({});
    CodeEverything();
    const auto classes = ReadBytes(ktemp() / "CUADROH2.DBF");
    const auto groups = ReadBytes(ktemp() / "CUADROH3.DBF");
    const auto index = ReadBytes(ktemp() / "CUADROH2.MDX");
    const auto teachers = ReadBytes(ktemp() / "PROFT.DBF");
    std::filesystem::remove(ktemp() / "SOLUC.DBF");
    for (const std::deque<bool>& answers : {std::deque<bool>{false}, std::deque<bool>{true, false}}) {
        prompt.answers = answers;
        auto context = Context();
        EXPECT_THROW(Importar2(context, [](ImportContext&) { FAIL() << "codification opened"; }),
                     tables::TableError);
        EXPECT_EQ(ReadBytes(ktemp() / "CUADROH2.DBF"), classes);
        EXPECT_EQ(ReadBytes(ktemp() / "CUADROH2.MDX"), index);
        EXPECT_EQ(ReadBytes(ktemp() / "CUADROH3.DBF"), groups);
        EXPECT_EQ(ReadBytes(ktemp() / "PROFT.DBF"), teachers);
    }
}

} // namespace
} // namespace tv::test
