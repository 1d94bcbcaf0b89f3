// Tables and fCUADROS.txt that another program holds (Tablorix with them
// open) are refused with "está en uso por otro programa" and left as they
// were: never deleted, never replaced.
#include "tests/cli/cli_run.h"
#include "tests/cli/other_process_lock.h"
#include "tests/table_pairs.h"

#include <sys/stat.h>

#include <map>

namespace tv::test {
namespace {

const std::filesystem::path kSample = std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";

struct FileState {
    ino_t inode = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::filesystem::path& file) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return {};
    return {st.st_ino, ReadBytes(file)};
}

std::map<std::string, FileState> StatesOf(const std::filesystem::path& folder) {
    std::map<std::string, FileState> states;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        states[entry.path().filename().string()] = StateOf(entry.path());
    return states;
}

class OtherProgramLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(kSample / "DAE", dae);
        const CliResult run = RunCli(Exportar());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::filesystem::copy_file(kSample / "SOLUC.DBF", ktemp / "SOLUC.DBF");
    }
    std::vector<std::string> Exportar() const {
        return {"exportar",
                "--dae",
                dae.string(),
                "--ktemp",
                ktemp.path().string(),
                "--version",
                "2526",
                "--niveles",
                (kSample / "niveles.csv").string()};
    }
    std::vector<std::string> Importar() const {
        return {"importar",
                "--dae",
                dae.string(),
                "--ktemp",
                ktemp.path().string(),
                "--nuevo",
                "--documentos",
                (kSample / "documentos.csv").string()};
    }

    ScratchDir ktemp;
    ScratchDir work;
    const std::filesystem::path dae = work / "DAE";
};

TEST_F(OtherProgramLockTest, ExportarLeavesEveryTableAnotherProgramHolds) {
    // Recreated (PROFT, AULAT, GRUPOST), deleted (ASIGT, DIASHORAST), replaced catalogues.
    for (const char* table :
         {"PROFT.DBF", "AULAT.DBF", "GRUPOST.DBF", "ASIGT.DBF", "DIASHORAST.DBF", "daeTIPTAR.DBF"}) {
        SCOPED_TRACE(table);
        ASSERT_EQ(RunCli(Exportar()).exitCode, 0);
        const FileState before = StateOf(ktemp / table);
        ASSERT_NE(before.inode, 0u);
        CliResult run;
        {
            const OtherProcessLock held(ktemp / table);
            run = RunCli(Exportar());
        }
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(std::string("La tabla '") + table + "' está en uso por otro programa."),
                  std::string::npos)
            << run.err;
        EXPECT_TRUE(StateOf(ktemp / table) == before) << "the held table was replaced or changed";
        EXPECT_EQ(TablePairProblems(ktemp.path()), "");
    }
}

TEST_F(OtherProgramLockTest, ImportarChangesNothingWhileAnotherProgramHoldsTheTimetableFile) {
    std::ofstream(dae / "fCUADROS.txt", std::ios::binary) << "1CH014725 2025\r\n";
    const auto ktempBefore = StatesOf(ktemp.path());
    const FileState fileBefore = StateOf(dae / "fCUADROS.txt");
    CliResult run;
    {
        const OtherProcessLock held(dae / "fCUADROS.txt");
        run = RunCli(Importar());
    }
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("El archivo 'fCUADROS.txt' está en uso por otro programa"), std::string::npos)
        << run.err;
    EXPECT_TRUE(StateOf(dae / "fCUADROS.txt") == fileBefore);
    EXPECT_TRUE(StatesOf(ktemp.path()) == ktempBefore) << "a table changed before the refusal";

    // Once it is free, the run goes through.
    run = RunCli(Importar());
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(OtherProgramLockTest, ImportarLeavesAWorkTableAnotherProgramHolds) {
    ASSERT_EQ(RunCli(Importar()).exitCode, 0);
    const std::string timetable = ReadText(dae / "fCUADROS.txt");
    for (const char* table : {"CUADROH2.DBF", "PROFT.DBF"}) {
        SCOPED_TRACE(table);
        const FileState before = StateOf(ktemp / table);
        CliResult run;
        {
            const OtherProcessLock held(ktemp / table);
            run = RunCli(Importar());
        }
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.err.find("está en uso por otro programa"), std::string::npos) << run.err;
        EXPECT_TRUE(StateOf(ktemp / table) == before);
        EXPECT_EQ(ReadText(dae / "fCUADROS.txt"), timetable);
    }
}

} // namespace
} // namespace tv::test
