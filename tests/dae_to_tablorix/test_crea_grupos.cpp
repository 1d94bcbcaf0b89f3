#include "dae_to_tablorix/writers.h"
#include "tables/conversion_error.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CreaGrupos;

const std::string kHead = "1GR012345"
                          "2024";

struct Group {
    std::string level = "0005";
    std::string course = "0001";
    std::string shift = "0001";
    std::string speciality = "0001";
    std::string name = "1\xBA A";
    std::string second = "PRIMERO A";
    std::string tutor = "";
    std::string pupils = "  25";
    std::string code = "G0000001";
};

std::string GroupRecord(const Group& g) {
    return DaeRecord(547)
        .Put(1, "2")
        .Put(2, g.code)
        .Put(10, g.name)
        .Put(60, "PL01")
        .Put(64, g.level)
        .Put(68, g.speciality)
        .Put(72, g.shift)
        .Put(76, g.course)
        .Put(80, "MOD1")
        .Put(84, "TG01")
        .Put(88, "PLANT001")
        .Put(96, "DNI ")
        .Put(100, g.tutor)
        .Put(286, g.pupils)
        .Put(290, g.second)
        .Put(540, "AULA01")
        .str();
}

std::string PupilRecord() {
    return DaeRecord(23).Put(1, "3").Put(2, "ALUMNO").str();
}

class CreaGruposTest : public WritersTest {
  protected:
    void SetUp() override {
        CreateCatalogue("daeNIVIMP", {{{"COD", "0005"}, {"ABREVCAST", "ESO"}, {"ABREVEUSK", "DBH"}},
                                      {{"COD", "0005"}, {"ABREVCAST", "XXX"}, {"ABREVEUSK", "XXX"}},
                                      {{"COD", "0006"}, {"ABREVCAST", ""}, {"ABREVEUSK", ""}}});
        CreateCatalogue("daeESPECI", {{{"COD", "0001"}, {"DESCCAST", "General"}, {"DESCEUSK", "Orokorra"}},
                                      {{"COD", "01"}, {"DESCCAST", "Ciencias"}, {"DESCEUSK", "Zientziak"}}});
        CreateTable(
            "PROFT",
            {{{"ABREV", tables::FieldKind::String, 10}, {"DNI", tables::FieldKind::String, 15}}, {"ABREV"}},
            {{{"ABREV", "ZZ"}, {"DNI", "12345678Z"}},
             {{"ABREV", "GLA"}, {"DNI", "12345678Z"}},
             {{"ABREV", "NODNI"}, {"DNI", ""}}});
        context.language = "CASTELLANO";
    }

    void WriteGroups(const std::string& records) {
        WriteDaeFile("GRUPOS.txt", kHead + records);
        CreaGrupos(context);
    }
    std::vector<std::vector<std::string>> Rows(const std::vector<std::string>& fields) {
        return ReadRows("GRUPOST", fields);
    }
};

using R = std::vector<std::string>;

TEST_F(CreaGruposTest, WritesTheGroupRow) {
    WriteGroups(GroupRecord({.tutor = "12345678Z"}));
    EXPECT_EQ(Rows({"ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "MARCO", "DESCRIP", "TUTOR", "MAXALUM"}),
              (std::vector<R>{{"ESO011", "M", "ESO", "01", "1", "0", "M ESO 01 1/1\xBA A/PRIMERO A General",
                               "GLA", "25"}}));
    EXPECT_EQ(Rows({"CODGRUDAE", "ALIASDAE", "PLANDAE", "NIVELDAE", "ESPECDAE", "TURNODAE", "CURSODAE",
                    "MODELODAE", "TIPGRUDAE", "CODPLANTIDAE", "TIPDOCDAE", "DNITUTORDAE", "AULAGRUDAE"}),
              (std::vector<R>{{"G0000001", "1\xBA A", "PL01", "0005", "0001", "0001", "0001", "MOD1", "TG01",
                               "PLANT001", "DNI", "12345678Z", "AULA01"}}));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(CreaGruposTest, GroupsOfOneLevelAndCourseAreNumbered) {
    std::string records;
    for (int i = 0; i < 11; ++i)
        records += GroupRecord({});
    records += GroupRecord({.course = "0002"});
    WriteGroups(records);
    const auto rows = Rows({"ABREV", "GRUPO"});
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], (R{"ESO011", "1"}));
    EXPECT_EQ(rows[1], (R{"ESO012", "2"}));
    EXPECT_EQ(rows[8], (R{"ESO019", "9"}));
    EXPECT_EQ(rows[9], (R{"ESO0110", "0"}));
    EXPECT_EQ(rows[10], (R{"ESO0111", "1"}));
    EXPECT_EQ(rows[11], (R{"ESO021", "1"}));
}

struct LevelCase {
    const char* title;
    const char* language;
    const char* levelCode;
    const char* level;
    const char* speciality;
};

class LevelAndSpeciality : public CreaGruposTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelAndSpeciality, FollowTheLanguageAndFallBack) {
    context.language = GetParam().language;
    WriteGroups(GroupRecord({.level = GetParam().levelCode, .speciality = "01  "}));
    const auto row = Rows({"NIVEL", "DESCRIP"}).at(0);
    EXPECT_EQ(row[0], GetParam().level);
    EXPECT_EQ(row[1],
              "M " + std::string(GetParam().level) + " 01 1/1\xBA A/PRIMERO A " + GetParam().speciality);
}

INSTANTIATE_TEST_SUITE_P(
    CreaGrupos, LevelAndSpeciality,
    ::testing::Values(LevelCase{"Castilian", "CASTELLANO", "0005", "ESO", "Ciencias"},
                      LevelCase{"Basque", "EUSKERA", "0005", "DBH", "Zientziak"},
                      LevelCase{"EmptyAbbreviation", "CASTELLANO", "0006", "NIV", "Ciencias"},
                      LevelCase{"UnknownLevelKeepsCode", "CASTELLANO", " 9  ", "9", "Ciencias"},
                      LevelCase{"BlankLevelCode", "CASTELLANO", "    ", "NIV", "Ciencias"}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(CreaGruposTest, UnknownSpecialityLeavesTheNameEmpty) {
    WriteGroups(GroupRecord({.speciality = "0099"}));
    // The blank before the missing name is not read back.
    EXPECT_EQ(Rows({"DESCRIP"}).at(0).at(0), "M ESO 01 1/1\xBA A/PRIMERO A");
}

TEST_F(CreaGruposTest, ShiftDigitGivesTheLetter) {
    WriteGroups(GroupRecord({.shift = "0001"}) + GroupRecord({.shift = "0002"}) +
                GroupRecord({.shift = "0003"}) + GroupRecord({.shift = "0004"}) +
                GroupRecord({.shift = "0005"}));
    EXPECT_EQ(Column("GRUPOST", "TURNO"), (std::vector<std::string>{"M", "V", "N", "D", "5"}));
}

struct BadNumberCase {
    Group group;
    const char* message;
};

class BadNumber : public CreaGruposTest, public ::testing::WithParamInterface<BadNumberCase> {};

TEST_P(BadNumber, StopsTheWriterKeepingTheRowsBefore) {
    WriteDaeFile("GRUPOS.txt", kHead + GroupRecord({}) + GroupRecord(GetParam().group) + GroupRecord({}));
    try {
        CreaGrupos(context);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(Column("GRUPOST", "ABREV"), std::vector<std::string>{"ESO011"});
}

INSTANTIATE_TEST_SUITE_P(
    CreaGrupos, BadNumber,
    ::testing::Values(BadNumberCase{{.shift = "000 "}, "'' is not a valid integer value"},
                      BadNumberCase{{.shift = "000M"}, "'M' is not a valid integer value"},
                      BadNumberCase{{.pupils = "25  "},
                                    "'25  ' is not a valid integer value for field 'MAXALUM'"}));

struct TutorCase {
    const char* title;
    const char* document;
    const char* tutor;
};

class Tutor : public CreaGruposTest, public ::testing::WithParamInterface<TutorCase> {};

// Of two teachers with the document, the first by abbreviation is the tutor.
TEST_P(Tutor, IsFoundByDocument) {
    WriteGroups(GroupRecord({.tutor = GetParam().document}));
    EXPECT_EQ(Column("GRUPOST", "TUTOR"), std::vector<std::string>{GetParam().tutor});
}

INSTANTIATE_TEST_SUITE_P(CreaGrupos, Tutor,
                         ::testing::Values(TutorCase{"TrailingBlanksIgnored", "12345678Z      ", "GLA"},
                                           TutorCase{"LeadingBlanksCount", " 12345678Z", ""},
                                           TutorCase{"UnknownDocument", "99999999R", ""},
                                           TutorCase{"BlankDocumentFindsNoOne", "", ""}),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(CreaGruposTest, RecordsAfterAGroupAreSkipped) {
    WriteGroups(GroupRecord({.code = "G1"}) + PupilRecord() + PupilRecord() + PupilRecord() +
                GroupRecord({.code = "G2"}) + GroupRecord({.code = "G3"}) + PupilRecord());
    EXPECT_EQ(Column("GRUPOST", "CODGRUDAE"), (std::vector<std::string>{"G1", "G2", "G3"}));
}

// A record of an unknown kind after a group is passed over 23 characters at a
// time; the walk ends instead of looking at it forever.
TEST_F(CreaGruposTest, UnknownRecordAfterAGroupIsPassedOver) {
    const std::string unknown = DaeRecord(23).Put(1, "9").str();
    WriteGroups(GroupRecord({.code = "G1"}) + unknown + PupilRecord() + GroupRecord({.code = "G2"}) +
                unknown);
    EXPECT_EQ(Column("GRUPOST", "CODGRUDAE"), (std::vector<std::string>{"G1", "G2"}));
}

TEST_F(CreaGruposTest, RecordThatIsNotAGroupIsPassedOverWhole) {
    WriteGroups(DaeRecord(547).Put(1, "9").str() + GroupRecord({.code = "G1"}));
    EXPECT_EQ(Column("GRUPOST", "CODGRUDAE"), (std::vector<std::string>{"G1"}));
}

TEST_F(CreaGruposTest, MissingFileLeavesTheTableAlone) {
    WriteGroups(GroupRecord({}));
    std::filesystem::remove(dae / "GRUPOS.txt");
    CreaGrupos(context);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"No existe archivo DAE de Grupos (GRUPOS.txt)"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
    EXPECT_EQ(Column("GRUPOST", "ABREV"), std::vector<std::string>{"ESO011"});
}

} // namespace
} // namespace tv::test
