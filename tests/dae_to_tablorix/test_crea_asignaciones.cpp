#include "dae_to_tablorix/writers.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CreaAsignaciones;
using R = std::vector<std::string>;

tables::TableDecl GroupDecl() {
    tables::TableDecl decl;
    for (const char* name :
         {"ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "CODGRUDAE", "PLANDAE", "NIVELDAE", "ESPECDAE",
          "TURNODAE", "CURSODAE", "MODELODAE", "TIPGRUDAE", "CODPLANTIDAE", "AULAGRUDAE"})
        decl.fields.push_back({name, tables::FieldKind::String, 10});
    return decl;
}

Row GroupRow(const std::string& abbreviation, const std::string& level, const std::string& course,
             const std::string& levelCode = "0005") {
    return {{"ABREV", abbreviation}, {"TURNO", "M"},           {"NIVEL", level},
            {"CURSO", course},       {"GRUPO", "1"},           {"CODGRUDAE", "G-" + abbreviation},
            {"PLANDAE", "0001"},     {"NIVELDAE", levelCode},  {"ESPECDAE", "0001"},
            {"TURNODAE", "0001"},    {"CURSODAE", "0001"},     {"MODELODAE", "D"},
            {"TIPGRUDAE", "01"},     {"CODPLANTIDAE", "PLA1"}, {"AULAGRUDAE", "A12"}};
}

class CreaAsignacionesTest : public WritersTest {
  protected:
    void SetUp() override {
        CreateTable("ASIGNOMT",
                    {{{"COD", tables::FieldKind::String, 10},
                      {"CODIGODAE", tables::FieldKind::String, 8},
                      {"DENIVEL", tables::FieldKind::String, 5},
                      {"DECURSO", tables::FieldKind::String, 3}},
                     {}},
                    {{{"COD", "MAT"}, {"CODIGODAE", "1234ABCD"}},
                     {{"COD", "MAT1"}, {"CODIGODAE", "1234ABCD"}},
                     {{"COD", "LEN"}, {"CODIGODAE", "LEN1"}}});
    }
    void Run(const std::vector<Row>& groups, const std::string& line) {
        CreateTable("GRUPOST", GroupDecl(), groups);
        WriteDaeFile("V55T15W18T54_2.txt", line);
        CreaAsignaciones(context);
    }
};

TEST_F(CreaAsignacionesTest, WritesTheAssignmentOfTheFirstGroupOnce) {
    // The same line twice, and a second group of the same plan, level and speciality.
    Run({GroupRow("ESO011", "ESO", "01"), GroupRow("ESO012", "ESO", "01")}, "0005000100011234ABCD"
                                                                            "0005000100011234ABCD");
    EXPECT_EQ(ReadRows("ASIGT", {"CASIG", "CPROF", "CGRUP", "CAULA", "TURNO", "NIVEL", "CURSO", "GRUPO",
                                 "HORAS", "SESIONES", "CTAREA"}),
              (std::vector<R>{{"MAT", "", "ESO011", "A12", "M", "ESO", "01", "1", "4", "1111", "0100"}}));
    EXPECT_EQ(ReadRows("ASIGT", {"CLAVEGRUPO", "CLAVETURNO", "CLAVENIVEL", "CLAVEPLAN", "CLAVECURSO",
                                 "CLAVEESPEC", "CLAVEMODEL", "CLAVETIPGRU", "CLAVEPLANTI", "CLAVEASIG"}),
              (std::vector<R>{
                  {"G-ESO011", "0001", "0005", "0001", "0001", "0001", "D", "01", "PLA1", "1234ABCD"}}));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(CreaAsignacionesTest, LinesWithoutGroupOrSubjectAreSkipped) {
    Run({GroupRow("ESO011", "ESO", "01")},
        "0009000100011234ABCD"  // no group of level 0009
        "000500010001NOSUCH  "  // no subject
        "00050001000LEN1    "); // short last record: speciality '000L'
    EXPECT_TRUE(ReadRows("ASIGT", {"CASIG"}).empty());
}

// Codes with trailing blanks match the values stored without them.
TEST_F(CreaAsignacionesTest, CodesMatchWithoutTrailingBlanks) {
    auto group = GroupRow("BACH011", "BACH", "01", "05");
    group["ESPECDAE"] = "01";
    Run({group}, "05  000101  LEN1    ");
    EXPECT_EQ(ReadRows("ASIGT", {"CASIG", "CGRUP", "CLAVENIVEL", "CLAVEESPEC"}),
              (std::vector<R>{{"LEN", "BACH011", "05", "01"}}));
}

TEST_F(CreaAsignacionesTest, SubjectKeepsTheFirstLevelAndLosesTheCourseWhenMetAgain) {
    auto eso2 = GroupRow("ESO021", "ESO", "02", "0006");
    auto bach = GroupRow("BACH011", "BACH", "01", "0007");
    const auto subjectLevels = [&] { return ReadRows("ASIGNOMT", {"COD", "DENIVEL", "DECURSO"}); };

    Run({GroupRow("ESO011", "ESO", "01"), eso2, bach}, "0005000100011234ABCD");
    EXPECT_EQ(subjectLevels(), (std::vector<R>{{"MAT", "ESO", "01"}, {"MAT1", "", ""}, {"LEN", "", ""}}));

    Run({GroupRow("ESO011", "ESO", "01"), eso2, bach}, "0005000100011234ABCD"
                                                       "0006000100011234ABCD");
    EXPECT_EQ(subjectLevels(), (std::vector<R>{{"MAT", "ESO", ""}, {"MAT1", "", ""}, {"LEN", "", ""}}));

    Run({GroupRow("ESO011", "ESO", "01"), eso2, bach}, "0007000100011234ABCD");
    EXPECT_EQ(subjectLevels(), (std::vector<R>{{"MAT", "ESO", ""}, {"MAT1", "", ""}, {"LEN", "", ""}}));
    EXPECT_EQ(ReadRows("ASIGT", {"CGRUP"}), (std::vector<R>{{"BACH011"}}));
}

TEST_F(CreaAsignacionesTest, MissingFileWritesNothing) {
    CreaAsignaciones(context);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"No existe archivo DAE (V55T15W18T54_2.txt)"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
    EXPECT_FALSE(TableExists("ASIGT"));
}

TEST_F(CreaAsignacionesTest, MissingGroupTableStopsWithAnEmptyAssignmentTable) {
    WriteDaeFile("V55T15W18T54_2.txt", "0005000100011234ABCD");
    EXPECT_THROW(CreaAsignaciones(context), tables::TableError);
    EXPECT_TRUE(ReadRows("ASIGT", {"CASIG"}).empty());
}

} // namespace
} // namespace tv::test
