// Every write, rename and removal of a whole exportar and a whole importar on
// the sample school made to fail in turn (the file layer's test hook
// TV_FALLO_ESCRITURA=N fails the Nth as a full disk would): the run ends with
// a non-zero exit code and the Spanish reason, the earlier fCUADROS.txt is
// there byte for byte, and every table agrees with its index.
#include "tests/cli/cli_run.h"
#include "tests/table_pairs.h"

#include <map>

namespace tv::test {
namespace {

const std::filesystem::path kSample = std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";
const std::string kEarlierTimetable = "1CH014725 2025 (un horario anterior)\r\n";

std::map<std::string, std::vector<std::uint8_t>> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadBytes(entry.path());
    return files;
}

std::vector<std::string> TableNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (HasExtension(entry.path(), ".DBF")) names.push_back(entry.path().filename().string());
    return names;
}

class WriteFaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(kSample / "DAE", pristine / "DAE");
        std::filesystem::create_directories(pristine / "KTEMP");
        const CliResult run = RunCli(ExportarArguments(pristine.path()));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::filesystem::copy_file(kSample / "SOLUC.DBF", pristine / "KTEMP" / "SOLUC.DBF");
        std::ofstream(pristine / "DAE" / "fCUADROS.txt", std::ios::binary) << kEarlierTimetable;
    }

    static std::vector<std::string> ExportarArguments(const std::filesystem::path& root) {
        return test::ExportarArguments(root, kSample / "niveles.csv");
    }
    static std::vector<std::string> ImportarArguments(const std::filesystem::path& root) {
        return {"importar",
                "--dae",
                (root / "DAE").string(),
                "--ktemp",
                (root / "KTEMP").string(),
                "--nuevo",
                "--documentos",
                (kSample / "documentos.csv").string()};
    }

    // Runs the command on a fresh copy of the pristine folders with the Nth
    // file operation failing, for N = 1, 2, … until the run no longer meets
    // one (it then succeeds); `check` sees each failed run.
    template <class Check>
    void FailEachOperationInTurn(std::vector<std::string> (*arguments)(const std::filesystem::path&),
                                 Check check) {
        // What a run without failures leaves, to tell a finished run from one
        // that swallowed its failure.
        CopyFolder(pristine / "DAE", run / "DAE");
        CopyFolder(pristine / "KTEMP", run / "KTEMP");
        ASSERT_EQ(RunCli(arguments(run.path())).exitCode, 0);
        const auto finishedTables = FolderBytes(run / "KTEMP");
        const auto finishedDae = FolderBytes(run / "DAE");

        int failures = 0;
        for (int n = 1;; ++n) {
            CopyFolder(pristine / "DAE", run / "DAE");
            CopyFolder(pristine / "KTEMP", run / "KTEMP");
            const CliResult result = RunCli(arguments(run.path()), "TV_FALLO_ESCRITURA=" + std::to_string(n));
            if (result.exitCode == 0) {
                EXPECT_TRUE(FolderBytes(run / "KTEMP") == finishedTables &&
                            FolderBytes(run / "DAE") == finishedDae)
                    << "operation " << n << " failed and the run still reported success";
                break;
            }
            ++failures;
            SCOPED_TRACE("operation " + std::to_string(n) + " failing");
            EXPECT_NE(result.exitCode, 0);
            EXPECT_NE(result.err.find("no queda espacio en el disco"), std::string::npos) << result.err;
            EXPECT_EQ(ReadText(run / "DAE" / "fCUADROS.txt"), kEarlierTimetable);
            EXPECT_EQ(TablePairProblems(run / "KTEMP"), "");
            check(result);
            ASSERT_LT(n, 1000) << "the run never got past its failures";
        }
        EXPECT_GT(failures, 10) << "the hook never made a write fail";
    }

    ScratchDir pristine;
    ScratchDir run;
};

TEST_F(WriteFaultTest, ExportarReportsEveryFailedWriteAndLosesNoTable) {
    // Only ASIGT and DIASHORAST are deleted on purpose; every other table stays.
    std::vector<std::string> kept;
    for (const std::string& name : TableNames(pristine / "KTEMP"))
        if (name != "ASIGT.DBF" && name != "DIASHORAST.DBF") kept.push_back(name);
    FailEachOperationInTurn(&ExportarArguments, [&](const CliResult& result) {
        EXPECT_EQ(result.out.find("Tablas escritas"), std::string::npos) << "a failed run listed its tables";
        for (const std::string& name : kept)
            EXPECT_TRUE(std::filesystem::exists(run / "KTEMP" / name)) << name;
    });
}

TEST_F(WriteFaultTest, ImportarReportsEveryFailedWriteAndKeepsTheEarlierTimetable) {
    FailEachOperationInTurn(&ImportarArguments, [](const CliResult& result) {
        EXPECT_EQ(result.out.find("escrito"), std::string::npos) << "a failed run reported success";
    });
    // The run that met no failure wrote the new file.
    EXPECT_NE(ReadText(run / "DAE" / "fCUADROS.txt"), kEarlierTimetable);
}

} // namespace
} // namespace tv::test
