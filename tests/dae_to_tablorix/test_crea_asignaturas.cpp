#include "dae_to_tablorix/writers.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CreaAsignaturas;

class CreaAsignaturasTest : public WritersTest {
  protected:
    void SetUp() override {
        WriteDaeFile("V55T15W18T54_1.txt", "");
        CreateCatalogue("daeTIPTAR", {});
        CreateCatalogue("daeOTRACT", {});
    }

    // DAE subjects given as (Castilian short code, Castilian name).
    std::vector<std::string> CodesFor(const std::vector<std::pair<std::string, std::string>>& subjects) {
        std::vector<Row> rows;
        int n = 0;
        for (const auto& [code, name] : subjects)
            rows.push_back({{"COD", "S" + std::to_string(++n)}, {"CODCAST", code}, {"DESCCAST", name}});
        CreateCatalogue("daeASIGNAT", rows);
        context.language = "CASTELLANO";
        CreaAsignaturas(context);
        return Column("ASIGNOMT", "COD");
    }
};

struct ShortCodeCase {
    const char* title;
    std::vector<std::pair<std::string, std::string>> subjects;
    std::vector<std::string> codes;
};

class ShortCodes : public CreaAsignaturasTest, public ::testing::WithParamInterface<ShortCodeCase> {};

TEST_P(ShortCodes, AreUniqueWithoutRegardToCase) {
    EXPECT_EQ(CodesFor(GetParam().subjects), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    CreaAsignaturas, ShortCodes,
    ::testing::Values(
        ShortCodeCase{
            "RepeatedCodeGetsNumbers", {{"MAT", "A"}, {"MAT", "B"}, {"MAT", "C"}}, {"MAT", "MAT1", "MAT2"}},
        ShortCodeCase{"LetterCaseDoesNotCount", {{"Mat", "A"}, {"MAT", "B"}}, {"Mat", "MAT1"}},
        ShortCodeCase{"AccentedLettersCompareWithoutCase",
                      {{"M\xDAS", "A"}, {"m\xFAs", "B"}},
                      {"M\xDAS", "m\xFAs"
                                 "1"}},
        // A number already taken by another code is passed over, and a freed
        // smaller number is still found first.
        ShortCodeCase{"FirstFreeNumber",
                      {{"MAT", "A"}, {"MAT2", "B"}, {"MAT", "C"}, {"MAT", "D"}},
                      {"MAT", "MAT2", "MAT1", "MAT3"}},
        ShortCodeCase{"LongNameGivesInitials", {{"", "Lengua Castellana y Literatura"}}, {"LCyL"}},
        ShortCodeCase{"ShortNameIsTheCode", {{"", "M\xFAsica"}}, {"M\xFAsica"}},
        ShortCodeCase{"BlankCodeCountsAsNone", {{"  ", "Qu\xEDmica"}}, {"Qu\xEDmica"}},
        ShortCodeCase{"InitialsAreCutToTen", {{"", "a b c d e f g h i j k l"}}, {"abcdefghij"}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(CreaAsignaturasTest, TenCharacterCodeMakesRoomForTheNumber) {
    // The short-code field holds four characters: a ten-character code comes from a name.
    std::vector<std::pair<std::string, std::string>> subjects(13, {"", "MATEMATICA"});
    const auto codes = CodesFor(subjects);
    ASSERT_EQ(codes.size(), 13u);
    EXPECT_EQ(codes[0], "MATEMATICA");
    EXPECT_EQ(codes[1], "MATEMATIC1");
    EXPECT_EQ(codes[9], "MATEMATIC9");
    EXPECT_EQ(codes[10], "MATEMATI10");
    EXPECT_EQ(codes[12], "MATEMATI12");
}

TEST_F(CreaAsignaturasTest, WritesSubjectsThenTaskTypesThenActivitiesInTheChosenLanguage) {
    CreateCatalogue("daeASIGNAT", {{{"COD", "1234ABCD"},
                                    {"CODCAST", "MAT"},
                                    {"DESCCAST", "Matem\xE1ticas"},
                                    {"CODEUSK", "MAT"},
                                    {"DESCEUSK", "Matematika"}}});
    // A task type whose code equals a subject's short code keeps it unchanged.
    CreateCatalogue("daeTIPTAR", {{{"TIPTAR", "L"},
                                   {"COD", "MAT"},
                                   {"REFUERZO", "N"},
                                   {"OTRACTIV", "S"},
                                   {"DESCCAST", "Guardia"},
                                   {"DESCEUSK", "Zaintza"}},
                                  {{"TIPTAR", "L"},
                                   {"COD", "0110"},
                                   {"REFUERZO", "N"},
                                   {"OTRACTIV", "N"},
                                   {"DESCCAST", "Tutor\xED"
                                                "a"},
                                   {"DESCEUSK", "Tutoretza"}}});
    CreateCatalogue("daeOTRACT", {{{"COD", "001"}, {"DESCCAST", "Recreo"}, {"DESCEUSK", "Jolasaldia"}}});

    context.language = "EUSKERA";
    CreaAsignaturas(context);

    using R = std::vector<std::string>;
    EXPECT_EQ(
        ReadRows("ASIGNOMT", {"COD", "CODLARGO", "NOMBRE", "CODIGODAE", "ESTAREA", "DENIVEL", "DECURSO"}),
        (std::vector<R>{{"MAT", "1234ABCD", "Matematika", "1234ABCD", "False", "", ""},
                        {"MAT", "LMAT-NS", "Zaintza", "MAT", "True", "", ""},
                        {"0110", "L0110-NN", "Tutoretza", "0110", "True", "", ""},
                        {".001", "001", "Jolasaldia", "001", "True", "", ""}}));
    EXPECT_TRUE(prompt.shown.empty());

    context.language = "euskera"; // only exactly "EUSKERA" selects Basque
    CreaAsignaturas(context);
    EXPECT_EQ(Column("ASIGNOMT", "NOMBRE"), (std::vector<std::string>{"Matem\xE1ticas", "Guardia",
                                                                      "Tutor\xED"
                                                                      "a",
                                                                      "Recreo"}));
}

TEST_F(CreaAsignaturasTest, MissingSubjectFileLeavesTheTableAlone) {
    CodesFor({{"MAT", "A"}});
    std::filesystem::remove(dae / "V55T15W18T54_1.txt");
    CreateCatalogue("daeASIGNAT", {});

    CreaAsignaturas(context);

    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"No existe archivo DAE de Asignaturas (V55T15W18T54_1.txt)"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
    EXPECT_EQ(Column("ASIGNOMT", "COD"), std::vector<std::string>{"MAT"});
}

TEST_F(CreaAsignaturasTest, SubjectFileNameMatchesWithoutRegardToCase) {
    std::filesystem::rename(dae / "V55T15W18T54_1.txt", dae / "v55t15w18t54_1.TXT");
    EXPECT_EQ(CodesFor({{"MAT", "A"}}), std::vector<std::string>{"MAT"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DirectionRan);
}

} // namespace
} // namespace tv::test
