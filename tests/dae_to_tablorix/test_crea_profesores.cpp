#include "dae_to_tablorix/writers.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CreaProfesores;

constexpr std::size_t kPublic = 578;
constexpr std::size_t kPrivate = 599;
const std::string kHead = "1CH012345"
                          "2024";

struct Teacher {
    std::string first, second, third;
    std::string document = "12345678Z";
    std::string department = "MATEM\xC1TICAS";
};

std::string TeacherRecord(const Teacher& t, std::size_t length = kPublic) {
    return DaeRecord(length)
        .Put(3, "DNI ")
        .Put(7, t.document)
        .Put(22, t.first)
        .Put(72, t.second)
        .Put(122, t.third)
        .Put(161, t.department)
        .str();
}

class CreaProfesoresTest : public WritersTest {
  protected:
    std::vector<std::string> AbbreviationsFor(const std::vector<Teacher>& teachers) {
        std::string line = kHead;
        for (const auto& t : teachers)
            line += TeacherRecord(t);
        WriteDaeFile("profesorado.txt", line);
        CreaProfesores(context);
        return Column("PROFT", "ABREV");
    }
};

TEST_F(CreaProfesoresTest, WritesOneRowPerTeacher) {
    WriteDaeFile("profesorado.txt",
                 kHead +
                     TeacherRecord({"  GARC\xCD"
                                    "A ",
                                    "L\xD3PEZ", "ANA", "  12345678Z    ", "  " + std::string(45, 'D')}) +
                     TeacherRecord({"PEREZ", "", "LUIS", "", ""}));
    CreaProfesores(context);

    using R = std::vector<std::string>;
    EXPECT_EQ(ReadRows("PROFT", {"ABREV", "NOMBRE", "DEPART", "DNI", "TIPODNI", "EMAIL"}),
              (std::vector<R>{{"GLA",
                               "GARC\xCD"
                               "A L\xD3PEZ ANA",
                               std::string(40, 'D'), "12345678Z", "DNI", ""},
                              {"PL", "PEREZ  LUIS", "", "", "DNI", ""}}));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DirectionRan);
}

TEST_F(CreaProfesoresTest, RepeatedInitialsGetNumbersWithoutRegardToCase) {
    EXPECT_EQ(AbbreviationsFor({{"GARCIA", "LOPEZ", "ANA"},
                                {"GIL", "LARA", "ALBERTO"},
                                {"gomez", "lasa", "amaia"},
                                {"\xC1LVAREZ", "", ""},
                                {"\xE1vila", "", ""}}),
              (std::vector<std::string>{"GLA", "GLA1", "gla2", "\xC1",
                                        "\xE1"
                                        "1"}));
}

TEST_F(CreaProfesoresTest, IndexOrdersTeachersByAbbreviation) {
    AbbreviationsFor({{"ZUBIRI", "", ""}, {"ARANA", "", ""}, {"MENDI", "", ""}});
    EXPECT_EQ(ReadRows("PROFT", {"ABREV"}, "ABREV"),
              (std::vector<std::vector<std::string>>{{"A"}, {"M"}, {"Z"}}));
}

TEST_F(CreaProfesoresTest, RecordLengthFollowsTheKindOfCentre) {
    const std::string line = kHead + TeacherRecord({"ARANA", "", ""}, kPrivate) +
                             TeacherRecord({"BILBAO", "", ""}, kPrivate) +
                             TeacherRecord({"CASTRO", "", ""}, kPrivate).substr(0, 150); // partial record
    WriteDaeFile("profesorado.txt", line);

    context.privateCentre = true;
    CreaProfesores(context);
    EXPECT_EQ(Column("PROFT", "NOMBRE"), (std::vector<std::string>{"ARANA", "BILBAO", "CASTRO"}));
    EXPECT_EQ(Column("PROFT", "DEPART"), (std::vector<std::string>{"MATEM\xC1TICAS", "MATEM\xC1TICAS", ""}));

    // Read as a public centre, every record after the first is misplaced.
    context.privateCentre = false;
    CreaProfesores(context);
    const auto names = Column("PROFT", "NOMBRE");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "ARANA");
    EXPECT_NE(names[1], "BILBAO");
}

TEST_F(CreaProfesoresTest, MissingFileLeavesAnEmptyTable) {
    AbbreviationsFor({{"GARCIA", "LOPEZ", "ANA"}});
    std::filesystem::remove(dae / "profesorado.txt");

    CreaProfesores(context);

    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"No existe archivo DAE de Profesores (profesorado.txt)"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
    ASSERT_TRUE(TableExists("PROFT"));
    EXPECT_TRUE(Column("PROFT", "ABREV").empty());
}

TEST_F(CreaProfesoresTest, OnlyTheFirstLineIsRead) {
    WriteDaeFile("profesorado.txt",
                 kHead + TeacherRecord({"ARANA", "", ""}) + "\n" + TeacherRecord({"BILBAO", "", ""}));
    CreaProfesores(context);
    EXPECT_EQ(Column("PROFT", "ABREV"), std::vector<std::string>{"A"});
}

} // namespace
} // namespace tv::test
