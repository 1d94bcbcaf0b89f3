// transveloradae-cli importar on the sample school after exportar: the
// codification check, fCUADROS.txt against a reviewed file on each of the
// three paths, and the exit codes of the answers given as options.
//
// TV_UPDATE_GOLDEN=1 rewrites the reviewed file instead of comparing; review the diff.
#include "tests/cli/sample_school_fixture.h"

#include <cstdlib>

namespace tv::test {
namespace {

const std::filesystem::path kGolden = TestData("golden/importar-centro-ejemplo/fCUADROS.txt");

class ImportarTest : public SampleSchoolExportedTest {
  protected:
    CliResult Importar(std::vector<std::string> options = {}) {
        std::vector<std::string> arguments = {"importar", "--dae", dae.string(), "--ktemp",
                                              ktemp.path().string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunCli(arguments);
    }

    std::vector<std::string> WithDocuments(std::vector<std::string> options) {
        options.push_back("--documentos");
        options.push_back((kSample / "documentos.csv").string());
        return options;
    }

    void ExpectTheReviewedFile() {
        const std::string written = ReadText(dae / "fCUADROS.txt");
        if (std::getenv("TV_UPDATE_GOLDEN")) {
            std::filesystem::create_directories(kGolden.parent_path());
            std::ofstream(kGolden, std::ios::binary) << written;
            return;
        }
        ASSERT_TRUE(std::filesystem::exists(kGolden));
        EXPECT_TRUE(written == ReadText(kGolden)) << "fCUADROS.txt differs from " << kGolden;
    }
};

TEST_F(ImportarTest, TheSampleSchoolGivesTheReviewedTimetableOnEachPath) {
    // Three teachers lack a document: two from DAE and a substitute Tablorix added.
    CliResult run = Importar();
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, "           !!!ATENCIÓN!!!                 \n"
                       "Todavía hay algún Profesor SIN DOCumento(DNI).\n"
                       "       ¿Desea corregir esta incidencia?        -> No\n"
                       "!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente\n"
                       "No se escribe fCUADROS.txt: falta el documento (DNI) de estos profesores: EFI, NOE, "
                       "SUST. Indíquelos con --documentos.\n");
    EXPECT_FALSE(std::filesystem::exists(dae / "fCUADROS.txt"));

    // Straight to the codification, with the documents typed in.
    run = Importar(WithDocuments({"--solo-codificar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("pulse NO. -> Sí\nProceso finalizado\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "fCUADROS.txt escrito en " + (dae / "fCUADROS.txt").string() + "\n");
    ExpectTheReviewedFile();

    // A merging extraction keeps the documents; a fresh one finds them in PROFT.
    run = Importar({"--conservar"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("pulse NO. -> No\nProceso finalizado\n"), std::string::npos) << run.err;
    ExpectTheReviewedFile();
    run = Importar({"--nuevo"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Anterior? -> No\nProceso finalizado\n"), std::string::npos) << run.err;
    ExpectTheReviewedFile();
}

TEST_F(ImportarTest, TheReviewedFileIsWindows1252WithCrLfAfterEveryLine) {
    const std::string file = ReadText(kGolden);
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(file.starts_with("1CH0147252025\r\n"));
    EXPECT_TRUE(file.ends_with("\r\n"));
    EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = file.find('\n', at)) != std::string::npos; ++at, ++lines)
        EXPECT_EQ(file[at - 1], '\r') << "line " << lines + 1;
    EXPECT_NE(file.find("1\xBA ESO A"), std::string::npos); // "1º ESO A" in one byte
    EXPECT_EQ(file.find("\xC2\xBA"), std::string::npos);
}

TEST_F(ImportarTest, AMissingCentreTableNeedsTheCentreOption) {
    std::filesystem::remove(ktemp / "daeCENTRO.DBF");
    CliResult run = Importar(WithDocuments({}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("indique sus datos con --centro CODCENTRO,ANOACAD,VERSION"), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(ktemp / "daeCENTRO.DBF"));
    EXPECT_FALSE(std::filesystem::exists(ktemp / "CUADROH2.DBF"));

    run = Importar(WithDocuments({"--centro", "012345,2026, "}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--centro: se esperaban tres datos no vacíos"), std::string::npos) << run.err;

    run = Importar(WithDocuments({"--centro", "012345,2026,1"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(ReadText(dae / "fCUADROS.txt").starts_with("1CH0123452026\r\n"));
}

TEST_F(ImportarTest, ErrorsExitWithTwoAndLoseNothing) {
    ASSERT_EQ(Importar(WithDocuments({})).exitCode, 0);
    const std::string file = ReadText(dae / "fCUADROS.txt");
    const std::string classes = ReadText(ktemp / "CUADROH2.DBF");

    CliResult run =
        RunCli({"importar", "--dae", (work / "no-existe").string(), "--ktemp", ktemp.path().string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "No existe la carpeta\n");

    // Tablorix has not solved a timetable: the earlier work tables stay.
    std::filesystem::remove(ktemp / "SOLUC.DBF");
    run = Importar({"--nuevo"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("SOLUC"), std::string::npos) << run.err;
    EXPECT_EQ(ReadText(ktemp / "CUADROH2.DBF"), classes);
    EXPECT_EQ(ReadText(dae / "fCUADROS.txt"), file);

    const auto csv = work / "documentos.csv";
    std::ofstream(csv) << "NADIE;0001;123\n";
    run = Importar({"--solo-codificar", "--documentos", csv.string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--documentos: no hay ningún profesor 'NADIE' en PROFT"), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadText(dae / "fCUADROS.txt"), file);
}

} // namespace
} // namespace tv::test
