// transveloradae-cli killed (SIGKILL) at many instants of an exportar and an
// importar of a large generated centre: after every kill each table opens and
// agrees with the index it claims, and fCUADROS.txt is the earlier file or
// the complete new one, never anything between.
#include "tests/cli/cli_run.h"
#include "tests/table_pairs.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace tv::test {
namespace {

constexpr int kInstants = 30;
const std::string kEarlierTimetable = "1CH000001 2025 (un horario anterior)\r\n";

void RunTool(const std::string& command) {
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
}

// Starts the CLI; killed after `delay` unless it has ended. Returns its run time.
std::chrono::duration<double> RunCliKilledAfter(const std::vector<std::string>& arguments,
                                                std::chrono::duration<double> delay) {
    std::vector<std::string> argv = {TV_CLI_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, TV_CLI_PATH, &actions, nullptr, pointers.data(), environ) != 0) return {};
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start >= delay) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::chrono::steady_clock::now() - start;
}

class KillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunTool(Quoted(TV_CENTRE_GENERATOR_PATH) + " " + Quoted((pristine / "DAE").string()) +
                " --teachers 600 --groups 300 --assignments 6000");
        std::filesystem::create_directories(pristine / "KTEMP");
        const CliResult exported = RunCli(Exportar(pristine.path()));
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        RunTool(Quoted(TV_TIMETABLE_GENERATOR_PATH) + " " + Quoted((pristine / "KTEMP").string()));
        std::ofstream(pristine / "DAE" / "fCUADROS.txt", std::ios::binary) << kEarlierTimetable;
    }

    static std::vector<std::string> Exportar(const std::filesystem::path& root) {
        return ExportarArguments(root, root / "DAE" / "niveles.csv");
    }
    static std::vector<std::string> Importar(const std::filesystem::path& root) {
        return {"importar", "--dae", (root / "DAE").string(), "--ktemp", (root / "KTEMP").string(),
                "--nuevo"};
    }

    void Fresh() {
        CopyFolder(pristine / "DAE", run / "DAE");
        CopyFolder(pristine / "KTEMP", run / "KTEMP");
    }

    // One whole run to learn its length and result, then kills spread over it.
    void KillAtManyInstants(const std::vector<std::string>& arguments) {
        Fresh();
        const auto whole = RunCliKilledAfter(arguments, std::chrono::hours(1));
        const std::string complete = ReadText(run / "DAE" / "fCUADROS.txt");
        ASSERT_EQ(TablePairProblems(run / "KTEMP"), "");
        for (int k = 1; k <= kInstants; ++k) {
            Fresh();
            const auto at = whole * k / (kInstants + 1);
            RunCliKilledAfter(arguments, at);
            SCOPED_TRACE("killed after " + std::to_string(at.count()) + " s of " +
                         std::to_string(whole.count()));
            EXPECT_EQ(TablePairProblems(run / "KTEMP"), "");
            const std::string timetable = ReadText(run / "DAE" / "fCUADROS.txt");
            EXPECT_TRUE(timetable == kEarlierTimetable || timetable == complete)
                << "fCUADROS.txt holds " << timetable.size() << " bytes";
        }
    }

    ScratchDir pristine;
    ScratchDir run;
};

TEST_F(KillTest, ExportarKilledAtAnyInstantLeavesEveryTableWithItsIndex) {
    KillAtManyInstants(Exportar(run.path()));
}

TEST_F(KillTest, ImportarKilledAtAnyInstantLeavesTheTablesAndTheTimetableWhole) {
    KillAtManyInstants(Importar(run.path()));
}

} // namespace
} // namespace tv::test
