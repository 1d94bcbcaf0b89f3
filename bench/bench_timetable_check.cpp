// The cost of the timetable file's check beside that of the whole importar,
// on the reference centre (3,000 teachers, 90,000 SOLUC rows): importar is
// timed as a process (its CPU time, user + system, from wait4, and its wall
// time); the check in this process over the same tables, opened as the
// codification opens them. Medians of several runs; the CPU figures are the
// ones to compare on a shared machine.
//
//   bench_timetable_check [--runs N]
#include "bench/command_timing.h"

#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/timetable_check.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace t2d = tv::tablorix_to_dae;

struct Cost {
    double cpuMs = 0;
    double wallMs = 0;
};

double Milliseconds(const timeval& t) {
    return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
}

// A shell command's CPU (user + system) and wall time.
Cost CommandCost(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", (command + " >/dev/null 2>&1").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("failed: " + command);
    return {Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count()};
}

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

Cost CheckCost(const fs::path& ktemp, std::size_t& findings) {
    t2d::CodificationTables tables;
    tables.Open(ktemp);
    const double cpu = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    findings = t2d::CheckTimetable(tables, ktemp).size();
    const Cost cost{
        ProcessCpuMs() - cpu,
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count()};
    tables.Close();
    return cost;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = tv::bench::RunsFromArguments(argc, argv);
    const fs::path work = fs::temp_directory_path() / ("tv-bench-check-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string cli = TV_CLI_PATH;
    try {
        const fs::path dae = work / "dae";
        const fs::path ktemp = work / "ktemp";
        tv::bench::Run(std::string(TV_CENTRE_GENERATOR_PATH) + " " + dae.string() +
                       " --teachers 3000 --groups 1500 --assignments 30000");
        tv::bench::Run(cli + " exportar --dae " + dae.string() + " --ktemp " + ktemp.string() +
                       " --version 1 --niveles " + (dae / "niveles.csv").string() + " 2>/dev/null");
        tv::bench::Run(std::string(TV_TIMETABLE_GENERATOR_PATH) + " " + ktemp.string());
        // The first run makes the work tables; each timed run merges into them.
        const std::string importar = cli + " importar --dae " + dae.string() + " --ktemp " + ktemp.string();
        CommandCost(importar + " --nuevo --escribir-igualmente");

        std::vector<double> importarCpu, importarWall, checkCpu, checkWall;
        std::size_t findings = 0;
        for (int run = 0; run < runs; ++run) {
            const Cost whole = CommandCost(importar + " --conservar --escribir-igualmente");
            importarCpu.push_back(whole.cpuMs);
            importarWall.push_back(whole.wallMs);
            const Cost check = CheckCost(ktemp, findings);
            checkCpu.push_back(check.cpuMs);
            checkWall.push_back(check.wallMs);
        }
        const double ratio = 100.0 * Median(checkCpu) / Median(importarCpu);
        std::printf("runs %d, findings %zu\n", runs, findings);
        std::printf("%-22s %12s %12s\n", "median", "CPU ms", "wall ms");
        std::printf("%-22s %12.1f %12.1f\n", "importar (whole)", Median(importarCpu), Median(importarWall));
        std::printf("%-22s %12.1f %12.1f\n", "check alone", Median(checkCpu), Median(checkWall));
        std::printf("check / importar CPU: %.1f %%\n", ratio);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        fs::remove_all(work);
        return 1;
    }
    fs::remove_all(work);
    return 0;
}
