// Reading the DAE folder into the catalogue tables, daeCENTRO and daePLANTILLAS.
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/recoge_datos_dae.h"
#include "tests/dae_to_tablorix/dae_folder.h"

#include "tablorix_schema/centre_table.h"

namespace tv::test {
namespace {

using dae_to_tablorix::CatalogueFiles;
using dae_to_tablorix::RecogeDatosDAE;
using Rows = std::vector<std::vector<std::string>>;

class RecogeDatosDAETest : public DaeFolderTest {
  protected:
    // The first field of the first row of each catalogue, in reading order.
    std::vector<std::string> FirstFields() {
        std::vector<std::string> values;
        for (const auto& catalogue : CatalogueFiles()) {
            const auto column = Column(catalogue.table, std::string(catalogue.fields[1].name));
            values.push_back(column.empty() ? "<empty>" : column.front());
        }
        return values;
    }

    void WriteCodeListsWith(const std::string& value) {
        for (const auto& catalogue : CatalogueFiles()) {
            DaeRecord record(catalogue.recordLength);
            record.Put(1, catalogue.table == "daeTIPTAR" ? "N" : "c");
            record.Put(catalogue.fields[1].position, value);
            WriteDaeFile(std::string(catalogue.fileName), record.str());
        }
    }
};

TEST_F(RecogeDatosDAETest, ReadsTheWholeFolderAndLeadsToTheCentrePanel) {
    WriteFolder();
    EXPECT_TRUE(RecogeDatosDAE(context));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(state.TransformResult, 1);
    for (const auto& catalogue : CatalogueFiles())
        EXPECT_EQ(ReadRows(catalogue.table, {std::string(catalogue.fields[0].name)}).size(), 1u)
            << catalogue.table;
    EXPECT_EQ(ReadRows("daeCENTRO", {"CODCENTRO", "ANOACAD", "VERSION"}), (Rows{{"012345", "2025", ""}}));
    EXPECT_EQ(ReadRows("daePLANTILLAS", {"CODIGO", "PLANTILLA"}), (Rows{{"ORD", "Ordinaria"}}));
}

TEST_F(RecogeDatosDAETest, OnlyTheFirstLineOfAFileIsRead) {
    WriteFolder();
    const std::string first = DaeRecord(104).Put(1, "0001").Put(5, "General").str();
    const std::string second = DaeRecord(104).Put(1, "0002").Put(5, "Ciencias").str();
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        WriteDaeFile("V55T14.txt", first + lineEnd + second);
        ASSERT_TRUE(RecogeDatosDAE(context));
        EXPECT_EQ(Column("daeESPECI", "COD"), (std::vector<std::string>{"0001"})) << "line end " << lineEnd;
    }
}

TEST_F(RecogeDatosDAETest, FileNamesAreFoundRegardlessOfCase) {
    WriteFolder();
    for (const char* name : {"T13.txt", "V55T15W18T54_1.txt", "profesorado.txt", "PLANTILLAS.txt"}) {
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::filesystem::rename(dae / name, dae / ("x" + upper));
        std::filesystem::rename(dae / ("x" + upper), dae / upper);
    }
    EXPECT_TRUE(RecogeDatosDAE(context));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(Column("daePLANTILLAS", "CODIGO"), (std::vector<std::string>{"ORD"}));
}

TEST_F(RecogeDatosDAETest, TheCentreCodeAndYearAreStoredAsRead) {
    WriteFolder();
    WriteTeacherFile("PR1  2345"
                     " 025");
    ASSERT_TRUE(RecogeDatosDAE(context));
    EXPECT_EQ(ReadRows("daeCENTRO", {"CODCENTRO", "ANOACAD", "VERSION"}), (Rows{{"  2345", " 025", ""}}));
}

TEST_F(RecogeDatosDAETest, RemovesTheAssignmentAndDayHourTablesOfAnEarlierRun) {
    WriteFolder();
    std::filesystem::remove(dae / "T13.txt"); // they go even when the step stops at once
    for (const char* file : {"ASIGT.DBF", "DIASHORAST.DBF", "ASIGT.MDX", "PROFT.DBF"})
        WriteBytes(ktemp / file, {'x'});
    EXPECT_FALSE(RecogeDatosDAE(context));
    EXPECT_FALSE(std::filesystem::exists(ktemp / "ASIGT.DBF"));
    EXPECT_FALSE(std::filesystem::exists(ktemp / "DIASHORAST.DBF"));
    EXPECT_TRUE(std::filesystem::exists(ktemp / "ASIGT.MDX"));
    EXPECT_TRUE(std::filesystem::exists(ktemp / "PROFT.DBF"));
}

TEST_F(RecogeDatosDAETest, AMissingFileEndsTheStepAndLaterTablesKeepTheirContents) {
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"T13.txt", "No existe archivo DAE (T13.TXT)"},
        {"V55T12.txt", "No existe archivo DAE (V55T12.txt)"},
        {"V55T35.txt", "No existe archivo DAE (V55T35.txt)"},
        {"V55T15W18T54_1.txt", "No existe archivo DAE (V55T15W18T54_1.txt)"},
        {"T07.txt", "No existe archivo DAE (T07.txt)"},
        {"V55T86.txt", "No existe archivo DAE (V55T86.TXT)"},
        {"V55T11.txt", "No existe archivo DAE (V55T11.txt)"},
        {"V55T14.txt", "No existe archivo DAE (V55T14.txt)"},
        {"T55.txt", "No existe archivo DAE (T55.txt)"},
        {"profesorado.txt", "No existe archivo DAE de Profesores (profesorado.txt)"},
    };
    for (std::size_t missing = 0; missing < std::size(cases); ++missing) {
        SCOPED_TRACE(cases[missing].file);
        // An earlier run left tables with "old"; this run's files say "new".
        WriteFolder();
        WriteCodeListsWith("old");
        ASSERT_TRUE(RecogeDatosDAE(context));
        WriteCodeListsWith("new");
        WriteTeacherFile("PR1999999"
                         "2026");
        WriteDaeFile("PLANTILLAS.txt", TemplateHead("NEW", "Nueva"));
        std::filesystem::remove(dae / cases[missing].file);
        prompt.shown.clear();
        state.TransformResult = 1;

        EXPECT_FALSE(RecogeDatosDAE(context));
        EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{cases[missing].message}));
        EXPECT_EQ(state.TransformResult, -1);
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < CatalogueFiles().size(); ++i)
            expected.push_back(i < missing ? "new" : "old");
        EXPECT_EQ(FirstFields(), expected);
        EXPECT_EQ(Column("daeCENTRO", "CODCENTRO"), (std::vector<std::string>{"012345"}));
        EXPECT_EQ(Column("daePLANTILLAS", "CODIGO"), (std::vector<std::string>{"ORD"}));
    }
}

TEST_F(RecogeDatosDAETest, TheTemplateFileIsPlantillasElseT02) {
    struct Case {
        const char* what;
        bool plantillas;
        bool t02;
        std::vector<std::string> codes;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"both", true, true, {"PLA"}, {}},
        {"only T02.txt", false, true, {"T02"}, {}},
        {"neither",
         false,
         false,
         {},
         {"No existe archivo DAE (Plantillas.txt o T02.txt)",
          "Pero podr\xE1 Crear su Plantilla Horaria, cuando Exporte la Soluci\xF3n del Horario."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFolder();
        std::filesystem::remove(dae / "PLANTILLAS.txt");
        if (c.plantillas) WriteDaeFile("PLANTILLAS.txt", TemplateHead("PLA", "De PLANTILLAS"));
        if (c.t02) WriteDaeFile("T02.txt", TemplateHead("T02", "De T02"));
        prompt.shown.clear();
        state.TransformResult = 1;

        EXPECT_TRUE(RecogeDatosDAE(context)); // the step goes on without templates
        EXPECT_EQ(prompt.Texts(), c.messages);
        EXPECT_EQ(state.TransformResult, 1);
        EXPECT_EQ(Column("daePLANTILLAS", "CODIGO"), c.codes);
        std::filesystem::remove(dae / "T02.txt");
    }
}

TEST_F(RecogeDatosDAETest, TheCentrePanelNeedsTheCentreTable) {
    EXPECT_FALSE(dae_to_tablorix::CentreTableExists(context));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"No existe archivo del Centro (daeCENTRO.DBF)"}));
    EXPECT_EQ(state.TransformResult, -1);

    schema::CreaTablaCentro(ktemp.path());
    prompt.shown.clear();
    EXPECT_TRUE(dae_to_tablorix::CentreTableExists(context));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RecogeDatosDAETest, AcceptingTheCentrePanelStoresTheVersion) {
    schema::CreaTablaCentro(ktemp.path());
    dae_to_tablorix::AcceptCentreData(context, "V1"); // an empty table gets its row
    EXPECT_EQ(ReadRows("daeCENTRO", {"CODCENTRO", "VERSION"}), (Rows{{"", "V1"}}));

    WriteFolder();
    ASSERT_TRUE(RecogeDatosDAE(context));
    dae_to_tablorix::AcceptCentreData(context, "2526");
    EXPECT_EQ(ReadRows("daeCENTRO", {"CODCENTRO", "ANOACAD", "VERSION"}), (Rows{{"012345", "2025", "2526"}}));
}

} // namespace
} // namespace tv::test
