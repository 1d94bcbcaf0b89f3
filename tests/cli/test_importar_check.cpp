// transveloradae-cli importar and the check of the timetable file on the
// sample school: --comprobar and its exit codes, the report before writing,
// blocking findings refusing the file unless --escribir-igualmente, and the
// CSV of --informe.
#include "tests/cli/sample_school_fixture.h"

#include "tables/table.h"

namespace tv::test {
namespace {

class ImportarCheckTest : public SampleSchoolExportedTest {
  protected:
    CliResult Importar(std::vector<std::string> options = {}) {
        std::vector<std::string> arguments = {"importar",
                                              "--dae",
                                              dae.string(),
                                              "--ktemp",
                                              ktemp.path().string(),
                                              "--documentos",
                                              (kSample / "documentos.csv").string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunCli(arguments);
    }

    // The centre code as the centre panel would store it.
    void SetCentreCode(const std::string& code) {
        tables::Table centre;
        centre.Open(ktemp.path(), "daeCENTRO");
        centre.First();
        centre.Edit();
        centre.SetString("CODCENTRO", code);
        centre.Post();
    }

    std::filesystem::path File() const { return dae / "fCUADROS.txt"; }
};

TEST_F(ImportarCheckTest, TheSampleSchoolHasNothingToReportOnceItsDocumentsAreTyped) {
    CliResult run = Importar({"--comprobar", "--informe", (work / "informe.csv").string()});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Proceso finalizado"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Comprobación de fCUADROS.txt: sin errores ni avisos.\n"), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(ReadText(work / "informe.csv"), "\xEF\xBB\xBFGravedad;Tipo;Descripción;Tabla;Registro\r\n");

    // Then written as before, nothing more said.
    run = Importar({"--conservar"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("Comprobación"), std::string::npos) << run.err;
    EXPECT_TRUE(ReadText(File()) == ReadText(TestData("golden/importar-centro-ejemplo/fCUADROS.txt")));
}

TEST_F(ImportarCheckTest, TeachersWithoutDocumentAreErrorsOfTheCheck) {
    const CliResult run =
        RunCli({"importar", "--dae", dae.string(), "--ktemp", ktemp.path().string(), "--comprobar"});
    EXPECT_EQ(run.exitCode, 5) << run.out << run.err;
    EXPECT_NE(run.out.find("ERROR: Profesor EFI"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ERROR: Profesor SUST: faltan el tipo de documento y el documento (DNI).\n"),
              std::string::npos)
        << run.out;
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(ImportarCheckTest, ErrorsRefuseTheFileUnlessWrittenAnyway) {
    ASSERT_EQ(Importar().exitCode, 0);
    std::filesystem::remove(File());
    SetCentreCode("0147");
    const std::string error = "ERROR: Centro: el código del centro «0147» no tiene 6 caracteres.\n";

    CliResult run = Importar({"--conservar", "--solo-codificar"});
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_TRUE(run.err.starts_with("Si Conserva")) << run.err;
    EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente\n"
                           "No se escribe fCUADROS.txt: la comprobación ha encontrado errores"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(File()));

    run = Importar({"--solo-codificar", "--comprobar"});
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_TRUE(run.out.starts_with(error)) << run.out;
    EXPECT_FALSE(std::filesystem::exists(File()));

    // The report cannot be saved: an error, and no file written either.
    run = Importar(
        {"--solo-codificar", "--escribir-igualmente", "--informe", (work / "no" / "i.csv").string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("i.csv"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(File()));

    run = Importar({"--solo-codificar", "--escribir-igualmente", "--informe", (work / "i.csv").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
    EXPECT_TRUE(ReadText(File()).starts_with("1CH0147  2025\r\n"));
    EXPECT_NE(ReadText(work / "i.csv")
                  .find("\"ERROR\";\"codigo-centro\";\"Centro: el código del centro «0147» no "
                        "tiene 6 caracteres.\";\"daeCENTRO\";1\r\n"),
              std::string::npos);
}

TEST_F(ImportarCheckTest, WarningsOnlyExitWithSixWhenChecking) {
    ASSERT_EQ(Importar().exitCode, 0);
    // A teacher without classes is a warning: the file can be written.
    {
        tables::Table teachers;
        teachers.Open(ktemp.path(), "PROFT");
        teachers.Append();
        teachers.SetString("ABREV", "NUEVO");
        teachers.SetString("DNI", "99999999R");
        teachers.SetString("TIPODNI", "0001");
        teachers.Post();
    }
    CliResult run = Importar({"--solo-codificar", "--comprobar"});
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_NE(run.out.find("AVISO: Profesor NUEVO: no tiene ninguna clase en el horario.\n"),
              std::string::npos)
        << run.out;
    run = Importar({"--solo-codificar"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("AVISO: Profesor NUEVO"), std::string::npos) << run.err;
}

TEST(ImportarHelpTest, TheHelpNamesTheOptionsAndExitCodes) {
    const CliResult run = RunCli({"importar", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* text : {"--comprobar", "--escribir-igualmente", "--informe",
                             "5 la comprobación encontró errores", "6 con --comprobar, solo avisos"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
}

} // namespace
} // namespace tv::test
