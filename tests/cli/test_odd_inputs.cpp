// Inputs that once ended wrongly: a DAE folder whose name is not UTF-8, a
// table named with accents, a KTEMP that is a symlink loop, a huge field in
// --documentos, and a DAE record shorter than its first field. Each gives the
// right exit code and a Spanish message with names in their own characters.
#include "tests/cli/cli_run.h"

namespace tv::test {
namespace {

const std::filesystem::path kSample = std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";

class OddInputTest : public ::testing::Test {
  protected:
    std::vector<std::string> Exportar(const std::filesystem::path& dae,
                                      const std::filesystem::path& ktemp) const {
        return {"exportar", "--dae",        dae.string(),
                "--ktemp",  ktemp.string(), "--version",
                "2526",     "--niveles",    (kSample / "niveles.csv").string()};
    }
    std::vector<std::string> Importar(const std::filesystem::path& dae,
                                      std::vector<std::string> options = {}) const {
        std::vector<std::string> arguments = {"importar", "--dae", dae.string(), "--ktemp",
                                              ktemp.path().string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return arguments;
    }
    void ExportSample(const std::filesystem::path& dae) {
        std::filesystem::copy(kSample / "DAE", dae);
        const CliResult run = RunCli(Exportar(dae, ktemp.path()));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::filesystem::copy_file(kSample / "SOLUC.DBF", ktemp / "SOLUC.DBF");
    }

    ScratchDir ktemp;
    ScratchDir work;
};

TEST_F(OddInputTest, ADaeFolderNotInUtf8IsWrittenAndReportedAsDone) {
    const std::filesystem::path dae = work / "DAE-\xFF";
    ExportSample(dae);
    const CliResult run = RunCli(Importar(dae, {"--documentos", (kSample / "documentos.csv").string()}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "fCUADROS.txt escrito en " + (work / "DAE-?" / "fCUADROS.txt").string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(dae / "fCUADROS.txt"));
}

TEST_F(OddInputTest, MessagesNameTablesAndFoldersInTheirOwnCharactersAndInSpanish) {
    std::ofstream(work / "Ñandú.DBF", std::ios::binary) << "not a table";
    CliResult run = RunCli({"tabla", (work / "Ñandú.DBF").string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("'Ñandú.DBF'"), std::string::npos) << run.err;

    std::filesystem::create_directory_symlink(work / "bucle", work / "bucle");
    run = RunCli(Exportar(kSample / "DAE", work / "bucle"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("demasiados enlaces simbólicos encadenados"), std::string::npos) << run.err;
}

TEST_F(OddInputTest, AHugeOptionFieldIsQuotedCutShort) {
    ExportSample(work / "DAE");
    std::ofstream(work / "documentos.csv", std::ios::binary)
        << std::string(5'000'000, 'A') << ";DNI;12345678Z\n";
    const CliResult run =
        RunCli(Importar(work / "DAE", {"--documentos", (work / "documentos.csv").string()}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("(5000000 caracteres)"), std::string::npos) << run.err.substr(0, 300);
    EXPECT_LT(run.err.size(), 500u);
}

TEST_F(OddInputTest, ARoomRecordShorterThanItsFieldsIsReadAsBlanks) {
    std::filesystem::copy(kSample / "DAE", work / "DAE");
    std::ofstream(work / "DAE" / "AULAS.txt", std::ios::binary) << "AULA\r\n";
    const CliResult run = RunCli(Exportar(work / "DAE", ktemp.path()));
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

} // namespace
} // namespace tv::test
