#include "dae_to_tablorix/writers.h"
#include "tables/conversion_error.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

#include <set>

namespace tv::test {
namespace {

using dae_to_tablorix::CreaAulas;

std::string RoomRecord(const std::string& code, const std::string& name = "Aula",
                       const std::string& capacity = "030") {
    return DaeRecord(61).Put(1, code).Put(9, name).Put(59, capacity).str();
}

std::string Rooms(const std::vector<std::string>& codes) {
    std::string line;
    for (const auto& code : codes)
        line += RoomRecord(code);
    return line;
}

class CreaAulasTest : public WritersTest {
  protected:
    std::vector<std::vector<std::string>> Write(const std::string& line) {
        WriteDaeFile("AULAS.txt", line);
        CreaAulas(context);
        return ReadRows("AULAT", {"ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "ABREV_GEST"});
    }
};

TEST_F(CreaAulasTest, WritesOneRowPerRoom) {
    using R = std::vector<std::string>;
    EXPECT_EQ(Write(RoomRecord("A12", " Laboratorio de Qu\xEDmica", "030") +
                    RoomRecord("A13", "Gimnasio", " 30") + RoomRecord("A14", "Patio", " -5")),
              (std::vector<R>{{"A12", " Laboratorio de Qu\xEDmica", "", "30", "A12"},
                              {"A13", "Gimnasio", "", "30", "A13"},
                              {"A14", "Patio", "", "-5", "A14"}}));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(CreaAulasTest, RepeatedCodesGetNumbersWithLetterCaseCounting) {
    // The trailing blanks of the 8-character code stay in the abbreviation.
    EXPECT_EQ(Write(Rooms({"LAB1", "LAB1", "LAB1", "a1", "A1"})),
              (std::vector<std::vector<std::string>>{{"LAB1", "Aula", "", "30", "LAB1"},
                                                     {"LAB1    1", "Aula", "", "30", "LAB1"},
                                                     {"LAB1    2", "Aula", "", "30", "LAB1"},
                                                     {"a1", "Aula", "", "30", "a1"},
                                                     {"A1", "Aula", "", "30", "A1"}}));
}

TEST_F(CreaAulasTest, LongNumbersAreShortenedAndNeverRepeatAnAbbreviation) {
    Write(Rooms(std::vector<std::string>(112, "AULA0001")));
    const auto abbreviations = Column("AULAT", "ABREV");
    ASSERT_EQ(abbreviations.size(), 112u);
    EXPECT_EQ(abbreviations[99], "AULA000199");
    EXPECT_EQ(abbreviations[100], "AULA000100"); // suffix 100
    EXPECT_EQ(abbreviations[101], "AULA000101");
    // Suffixes 110 to 199 shorten to texts already given to 10 to 99: skipped.
    EXPECT_EQ(abbreviations[109], "AULA000109");
    const std::set<std::string> distinct(abbreviations.begin(), abbreviations.begin() + 110);
    EXPECT_EQ(distinct.size(), 110u);
}

struct CapacityCase {
    const char* capacity;
    const char* message;
};

class BadCapacity : public CreaAulasTest, public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(BadCapacity, StopsTheWriterKeepingTheRowsBefore) {
    WriteDaeFile("AULAS.txt",
                 RoomRecord("A1") + RoomRecord("A2", "Aula", GetParam().capacity) + RoomRecord("A3"));
    try {
        CreaAulas(context);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(Column("AULAT", "ABREV"), std::vector<std::string>{"A1"});
}

INSTANTIATE_TEST_SUITE_P(
    CreaAulas, BadCapacity,
    ::testing::Values(CapacityCase{"   ", "'   ' is not a valid integer value for field 'MAXALUM'"},
                      CapacityCase{"30 ", "'30 ' is not a valid integer value for field 'MAXALUM'"},
                      CapacityCase{"3O", "'3O ' is not a valid integer value for field 'MAXALUM'"},
                      CapacityCase{"+-3", "'+-3' is not a valid integer value for field 'MAXALUM'"}));

TEST_F(CreaAulasTest, PartialLastRecordLeavesCapacityEmpty) {
    WriteDaeFile("AULAS.txt", RoomRecord("A1") + RoomRecord("A2").substr(0, 30));
    CreaAulas(context);
    tables::Table rooms;
    rooms.Open(ktemp.path(), "AULAT");
    rooms.Last();
    EXPECT_EQ(rooms.AsString("ABREV"), "A2");
    EXPECT_TRUE(rooms.IsNull("MAXALUM"));
}

TEST_F(CreaAulasTest, MissingFileLeavesTheTableAlone) {
    Write(Rooms({"A1"}));
    std::filesystem::remove(dae / "AULAS.txt");
    CreaAulas(context);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"No existe archivo DAE de Aulas (AULAS.txt)"});
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
    EXPECT_EQ(Column("AULAT", "ABREV"), std::vector<std::string>{"A1"});
}

} // namespace
} // namespace tv::test
