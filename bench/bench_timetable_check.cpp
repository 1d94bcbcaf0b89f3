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

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace t2d = tv::tablorix_to_dae;

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// The check's CPU and wall time over the tables opened as the codification opens them.
tv::bench::Measure CheckCost(const fs::path& ktemp, std::size_t& findings) {
    t2d::CodificationTables tables;
    tables.Open(ktemp);
    const double cpu = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    findings = t2d::CheckTimetable(tables, ktemp).size();
    tv::bench::Measure cost;
    cost.cpuMs = ProcessCpuMs() - cpu;
    cost.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    tables.Close();
    return cost;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = tv::bench::RunsFromArguments(argc, argv);
    const std::string cli = TV_CLI_PATH;
    return tv::bench::InScratchFolder("tv-bench-check-", [&](const fs::path& work) {
        const fs::path dae = work / "dae";
        const fs::path ktemp = work / "ktemp";
        tv::bench::Run(std::string(TV_CENTRE_GENERATOR_PATH) + " " + dae.string() +
                       " --teachers 3000 --groups 1500 --assignments 30000");
        tv::bench::Run(cli + " exportar --dae " + dae.string() + " --ktemp " + ktemp.string() +
                       " --version 1 --niveles " + (dae / "niveles.csv").string() + " 2>/dev/null");
        tv::bench::Run(std::string(TV_TIMETABLE_GENERATOR_PATH) + " " + ktemp.string());
        // The first run makes the work tables; each timed run merges into them.
        const std::string importar = cli + " importar --dae " + dae.string() + " --ktemp " + ktemp.string();
        tv::bench::Measured(importar + " --nuevo --escribir-igualmente 2>/dev/null");

        tv::bench::Summary whole, check;
        std::size_t findings = 0;
        for (int run = 0; run < runs; ++run) {
            whole.Add(tv::bench::Measured(importar + " --conservar --escribir-igualmente 2>/dev/null"));
            check.Add(CheckCost(ktemp, findings));
        }
        const double ratio = 100.0 * check.Cpu() / whole.Cpu();
        std::printf("runs %d, findings %zu\n", runs, findings);
        std::printf("%-22s %12s %12s\n", "median", "CPU ms", "wall ms");
        std::printf("%-22s %12.1f %12.1f\n", "importar (whole)", whole.Cpu(), whole.Wall());
        std::printf("%-22s %12.1f %12.1f\n", "check alone", check.Cpu(), check.Wall());
        std::printf("check / importar CPU: %.1f %%\n", ratio);
    });
}
