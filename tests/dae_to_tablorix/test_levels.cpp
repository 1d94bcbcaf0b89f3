// The study-levels step: recovery of earlier abbreviations, the repetition
// check and daeNIVIMP2.
#include "dae_to_tablorix/comprueba_abreviaturas.h"
#include "dae_to_tablorix/datos_nivel.h"
#include "dae_to_tablorix/final_recogida.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CompruebaAbreviaturas;
using dae_to_tablorix::DatosNivel;
using dae_to_tablorix::FinalRecogida;
using Rows = std::vector<std::vector<std::string>>;

const std::string kCastilianRepeated = "Abreviatura en Castellano Repetida - Compru\xE9"
                                       "belo.";
const std::string kBasqueRepeated = "Abreviatura en Euskera Repetida - Compru\xE9"
                                    "belo.";

Row Level(const std::string& code, const std::string& castilian, const std::string& basque) {
    return {{"COD", code},
            {"PLAN", "0010"},
            {"DESCCAST", "Nivel " + code},
            {"DESCEUSK", code + " maila"},
            {"DESCCASTR", "N" + code},
            {"DESCEUSKR", "M" + code},
            {"ABREVCAST", castilian},
            {"ABREVEUSK", basque}};
}

class LevelsTest : public WritersTest {
  protected:
    void Levels(const std::vector<Row>& rows) { CreateCatalogue("daeNIVIMP", rows); }
    void SavedLevels(const std::vector<Row>& rows) { CreateTableAs("daeNIVIMP2", rows); }

    void CreateTableAs(std::string_view table, const std::vector<Row>& rows) {
        CreateTable(table, dae_to_tablorix::CatalogueDecl(dae_to_tablorix::LevelsCatalogue()), rows);
    }

    Rows Abbreviations(std::string_view table) { return ReadRows(table, {"COD", "ABREVCAST", "ABREVEUSK"}); }
};

TEST_F(LevelsTest, RepeatedAbbreviationsAreFoundPerLanguageIgnoringCase) {
    struct Case {
        const char* what;
        std::vector<Row> levels;
        std::string message; // empty: the check passes
        std::string currentCode;
    };
    const Case cases[] = {
        {"all blank", {Level("0001", "", ""), Level("0002", " ", "")}, "", ""},
        {"the same text once in each language",
         {Level("0001", "ESO", "ESO"), Level("0002", "BACH", "BATX")},
         "",
         ""},
        {"Castilian twice",
         {Level("0001", "ESO", "DBH"), Level("0002", "BACH", "B"), Level("0003", "ESO", "C")},
         kCastilianRepeated,
         "0003"},
        {"Basque, letter case ignored",
         {Level("0001", "A", "DBH"), Level("0002", "B", "dbh")},
         kBasqueRepeated,
         "0002"},
        {"accented letters ignore case too",
         {Level("0001",
                "\xC1"
                "REA",
                ""),
          Level("0002", "\xE1rea", "")},
         kCastilianRepeated,
         "0002"},
        {"leading blanks count", {Level("0001", "ESO", ""), Level("0002", " ESO", "")}, "", ""},
        {"the first row reached wins",
         {Level("0001", "X", "Y"), Level("0002", "Z", "Y"), Level("0003", "X", "W")},
         kBasqueRepeated,
         "0002"},
        {"within a row Castilian comes first",
         {Level("0001", "X", "Y"), Level("0002", "X", "Y")},
         kCastilianRepeated,
         "0002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Levels(c.levels);
        prompt.shown.clear();
        state.WorkflowState = tv::WorkflowState::RepeatedAbbreviation;

        const auto check = CompruebaAbreviaturas(context);
        EXPECT_EQ(check.repeated, !c.message.empty());
        EXPECT_EQ(state.WorkflowState,
                  c.message.empty() ? tv::WorkflowState::Idle : tv::WorkflowState::RepeatedAbbreviation);
        EXPECT_EQ(prompt.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        if (check.repeated) {
            tables::Table levels;
            levels.Open(ktemp.path(), "daeNIVIMP");
            levels.GotoBookmark(check.row);
            EXPECT_EQ(levels.AsString("COD"), c.currentCode);
        }
    }
}

TEST_F(LevelsTest, AcceptingSavesNothingWhenAnAbbreviationRepeats) {
    Levels({Level("0001", "ESO", ""), Level("0002", "eso", "")});
    SavedLevels({Level("0001", "OLD", "ZAH")});
    EXPECT_FALSE(FinalRecogida(context));
    EXPECT_EQ(state.WorkflowState, tv::WorkflowState::RepeatedAbbreviation);
    EXPECT_EQ(Abbreviations("daeNIVIMP2"), (Rows{{"0001", "OLD", "ZAH"}}));
}

TEST_F(LevelsTest, AcceptingCreatesTheSavedLevelsOnTheFirstRun) {
    Levels({Level("0001", "ESO", "DBH"), Level("0002", "", "")});
    EXPECT_TRUE(FinalRecogida(context));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(ReadRows("daeNIVIMP2", {"COD", "PLAN", "DESCCAST", "DESCEUSK", "DESCCASTR", "DESCEUSKR",
                                      "ABREVCAST", "ABREVEUSK"}),
              (Rows{{"0001", "0010", "Nivel 0001", "0001 maila", "N0001", "M0001", "ESO", "DBH"},
                    {"0002", "0010", "Nivel 0002", "0002 maila", "N0002", "M0002", "", ""}}));
}

TEST_F(LevelsTest, AcceptingUpdatesSavedLevelsAddsNewOnesAndKeepsTheRest) {
    SavedLevels({Level("0009", "GONE", "JOAN"), Level("0001", "OLD", "ZAH"), Level("0001", "DUP", "BIK")});
    Levels({Level("0001", "ESO", ""), Level("0002", "BACH", "BATX")});
    EXPECT_TRUE(FinalRecogida(context));
    // The first row of a code is the one updated; blank values are saved too.
    EXPECT_EQ(Abbreviations("daeNIVIMP2"), (Rows{{"0009", "GONE", "JOAN"},
                                                 {"0001", "ESO", ""},
                                                 {"0001", "DUP", "BIK"},
                                                 {"0002", "BACH", "BATX"}}));
}

TEST_F(LevelsTest, EnteringTheStepNeedsTheLevelsTable) {
    EXPECT_FALSE(DatosNivel(context));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"No existe archivo de Niveles (daeNIVIMP.DBF)"}));
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
}

TEST_F(LevelsTest, NoQuestionWithoutSavedLevels) {
    Levels({Level("0001", "ESO", "")});
    EXPECT_TRUE(DatosNivel(context));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DirectionRan);
}

TEST_F(LevelsTest, RecoveryAcceptedCopiesTheSavedAbbreviationsOfKnownLevels) {
    Levels({Level("0001", "typed", "typed"), Level("0002", "new", ""), Level("0003", "keep", "keep")});
    SavedLevels({Level("0001", "ESO", ""), Level("0003", "", ""), Level("0001", "DUP", "DUP")});
    prompt.answers = {true};
    EXPECT_TRUE(DatosNivel(context));

    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].kind, FakePrompt::Kind::Warning);
    EXPECT_EQ(prompt.shown[0].caption, "Recuperaci\xF3n de Niveles y Cursos importados anteriormente");
    EXPECT_EQ(prompt.shown[0].text, "Existen Niveles y Cursos ya definidos de una Importaci\xF3n anterior.\n"
                                    "\xBFQuiere recuperar las codificaciones introducidas anteriormente?");
    // Blank saved values replace typed ones; a level not saved keeps what it has.
    EXPECT_EQ(Abbreviations("daeNIVIMP"), (Rows{{"0001", "ESO", ""}, {"0002", "new", ""}, {"0003", "", ""}}));
    EXPECT_TRUE(TableExists("daeNIVIMP2"));
}

TEST_F(LevelsTest, RecoveryDeclinedDeletesTheSavedLevels) {
    Levels({Level("0001", "typed", "")});
    SavedLevels({Level("0001", "ESO", "DBH"), Level("0009", "OLD", "ZAH")});
    prompt.answers = {false};
    EXPECT_TRUE(DatosNivel(context));
    EXPECT_FALSE(TableExists("daeNIVIMP2"));
    EXPECT_EQ(Abbreviations("daeNIVIMP"), (Rows{{"0001", "typed", ""}}));

    // Accepting then saves the current levels only.
    EXPECT_TRUE(FinalRecogida(context));
    EXPECT_EQ(Abbreviations("daeNIVIMP2"), (Rows{{"0001", "typed", ""}}));
}

} // namespace
} // namespace tv::test
