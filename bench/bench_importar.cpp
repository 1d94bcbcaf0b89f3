// Times the whole `transveloradae-cli importar` process on generated large
// centres: half, once and twice the reference size (3,000 teachers, 90,000
// SOLUC rows). For each size the DAE folder is generated and exported once and
// a timetable generated; then each run starts from fresh work tables
// (--nuevo) and is followed by a merging run over its tables (--conservar).
// Prints, per size and path, the medians of CPU time (user + system), wall
// time and peak resident set, so that growth can be read off.
// The generated timetable has classes past the template and activities given
// as subjects, errors for the check of the file: it is written anyway.
//
//   bench_importar [--runs N]    (7 runs unless told)
#include "bench/command_timing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using tv::bench::Measured;
using tv::bench::Run;
using tv::bench::Summary;

} // namespace

int main(int argc, char** argv) {
    const int runs = tv::bench::RunsFromArguments(argc, argv);

    const std::string cli = TV_CLI_PATH;
    return tv::bench::InScratchFolder("tv-bench-importar-", [&](const fs::path& work) {
        std::printf("%-6s %9s %10s %-10s %9s %9s %8s %12s\n", "scale", "teachers", "SOLUC rows", "path",
                    "CPU ms", "wall ms", "peak MB", "CPU us/row");
        for (const double scale : {0.5, 1.0, 2.0}) {
            const int teachers = static_cast<int>(3000 * scale);
            const int rows = teachers * 30;
            const fs::path dae = work / ("dae-" + std::to_string(teachers));
            const fs::path ktemp = work / ("ktemp-" + std::to_string(teachers));
            Run(std::string(TV_CENTRE_GENERATOR_PATH) + " " + dae.string() + " --teachers " +
                std::to_string(teachers) + " --groups " + std::to_string(static_cast<int>(1500 * scale)) +
                " --assignments " + std::to_string(static_cast<int>(30000 * scale)));
            Run(cli + " exportar --dae " + dae.string() + " --ktemp " + ktemp.string() +
                " --version 1 --niveles " + (dae / "niveles.csv").string() + " 2>/dev/null");
            Run(std::string(TV_TIMETABLE_GENERATOR_PATH) + " " + ktemp.string());

            const std::string importar = cli + " importar --dae " + dae.string() + " --ktemp " +
                                         ktemp.string() + " --escribir-igualmente";
            Summary fresh, merge;
            for (int run = 0; run < runs; ++run) {
                fresh.Add(Measured(importar + " --nuevo 2>/dev/null"));
                merge.Add(Measured(importar + " --conservar 2>/dev/null"));
            }
            for (const auto& [path, summary] :
                 {std::pair{"--nuevo", &fresh}, std::pair{"--conservar", &merge}})
                std::printf("%-6.1f %9d %10d %-10s %9.1f %9.1f %8.1f %12.3f\n", scale, teachers, rows, path,
                            summary->Cpu(), summary->Wall(), summary->PeakMb(),
                            1000.0 * summary->Cpu() / rows);
            std::fflush(stdout);
        }
    });
}
