// The record line and the keep/skip rules of the code lists.
#include "dae_to_tablorix/catalogue_loading.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CatalogueFile;
using dae_to_tablorix::CatalogueFiles;
using dae_to_tablorix::LoadCatalogue;
using Rows = std::vector<std::vector<std::string>>;

const CatalogueFile& Catalogue(std::string_view table) {
    for (const auto& catalogue : CatalogueFiles())
        if (catalogue.table == table) return catalogue;
    throw std::logic_error("unknown catalogue");
}

std::string Speciality(const std::string& code, const std::string& castilian, const std::string& basque) {
    return DaeRecord(104).Put(1, code).Put(5, castilian).Put(55, basque).str();
}

class CatalogueLoadingTest : public WritersTest {
  protected:
    Rows Load(std::string_view table, const std::string& line, const std::vector<std::string>& fields) {
        LoadCatalogue(Catalogue(table), line, ktemp.path());
        return ReadRows(table, fields);
    }
};

TEST_F(CatalogueLoadingTest, CutsTheLineIntoRecordsWithFieldsTrimmed) {
    struct Case {
        const char* what;
        std::string line;
        Rows rows;
    };
    const std::string first = Speciality("0001", "  General ", "Orokorra");
    const std::string second = Speciality("0102",
                                          "Ciencias y Tecnolog\xED"
                                          "a",
                                          "Zientziak eta Teknologia");
    const Case cases[] = {
        {"empty line", "", {}},
        {"two records back to back",
         first + second,
         {{"0001", "General", "Orokorra"},
          {"0102",
           "Ciencias y Tecnolog\xED"
           "a",
           "Zientziak eta Teknologia"}}},
        // A short last record keeps the fields it reaches; the others are empty.
        {"short last record",
         first + "0103Humanidades",
         {{"0001", "General", "Orokorra"}, {"0103", "Humanidades", ""}}},
        {"last record of one character", first + "9", {{"0001", "General", "Orokorra"}, {"9", "", ""}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Load("daeESPECI", c.line, {"COD", "DESCCAST", "DESCEUSK"}), c.rows) << c.what;
}

TEST_F(CatalogueLoadingTest, TaskTypesKeepOnlyLAndN) {
    auto task = [](const std::string& type, const std::string& code) {
        return DaeRecord(508)
            .Put(1, type)
            .Put(2, code)
            .Put(6, "N")
            .Put(7, "Docencia")
            .Put(257, "Irakaskuntza")
            .Put(507, "S")
            .Put(508, "N")
            .str();
    };
    EXPECT_EQ(Load("daeTIPTAR",
                   task("L", "0100") + task("X", "0900") + task("N", "0200") + task(" ", "0300") +
                       task("l", "0400"),
                   {"TIPTAR", "COD", "REFUERZO", "DESCCAST", "DESCEUSK", "NIVEL", "OTRACTIV"}),
              (Rows{{"L", "0100", "N", "Docencia", "Irakaskuntza", "S", "N"},
                    {"N", "0200", "N", "Docencia", "Irakaskuntza", "S", "N"}}));
}

TEST_F(CatalogueLoadingTest, LevelsKeepTheFirstRecordOfEachCodeWithEmptyAbbreviations) {
    auto level = [](const std::string& code, const std::string& plan, const std::string& name) {
        return DaeRecord(148)
            .Put(1, code)
            .Put(5, plan)
            .Put(9, name)
            .Put(59, name + " eus")
            .Put(109, "corto")
            .Put(129, "laburra")
            .str();
    };
    EXPECT_EQ(
        Load("daeNIVIMP",
             level("0005", "0010", "ESO") + level("0007", "0010", "Bachillerato") +
                 level("0005", "0009", "ESO antigua") + level("05  ", "0010", "Cinco") +
                 level(" 05 ", "0010", "Cinco bis"),
             {"COD", "PLAN", "DESCCAST", "DESCEUSK", "DESCCASTR", "DESCEUSKR", "ABREVCAST", "ABREVEUSK"}),
        (Rows{{"0005", "0010", "ESO", "ESO eus", "corto", "laburra", "", ""},
              {"0007", "0010", "Bachillerato", "Bachillerato eus", "corto", "laburra", "", ""},
              // Codes are compared trimmed: " 05 " repeats "05  ".
              {"05", "0010", "Cinco", "Cinco eus", "corto", "laburra", "", ""}}));
}

TEST_F(CatalogueLoadingTest, OtherActivitiesStoreTheThreeCharacterCodeInAFourCharacterField) {
    const std::string record =
        DaeRecord(243).Put(1, "001").Put(4, "Biblioteca").Put(104, "Liburutegia").str();
    EXPECT_EQ(Load("daeOTRACT", record, {"COD", "DESCCAST", "DESCEUSK"}),
              (Rows{{"001", "Biblioteca", "Liburutegia"}}));
    tables::Table table;
    table.Open(ktemp.path(), "daeOTRACT", tables::OpenMode::ReadOnly);
    EXPECT_EQ(table.Fields()[0].length, 4);
}

} // namespace
} // namespace tv::test
