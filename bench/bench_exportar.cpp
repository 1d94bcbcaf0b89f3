// Times the whole `transveloradae-cli exportar` process on generated large
// centres: half, once and twice the reference size (3,000 teachers, 1,500
// groups, 30,000 assignment lines), each run into a fresh KTEMP. Prints, per
// size, the medians of CPU time (user + system), wall time and peak resident
// set, so that growth can be read off.
//
//   bench_exportar [--runs N]    (7 runs unless told)
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

    return tv::bench::InScratchFolder("tv-bench-", [&](const fs::path& work) {
        std::printf("%-6s %9s %7s %12s %9s %9s %8s %13s\n", "scale", "teachers", "groups", "assignments",
                    "CPU ms", "wall ms", "peak MB", "CPU us/line");
        for (const double scale : {0.5, 1.0, 2.0}) {
            const int teachers = static_cast<int>(3000 * scale);
            const int groups = static_cast<int>(1500 * scale);
            const int assignments = static_cast<int>(30000 * scale);
            const fs::path dae = work / ("dae-" + std::to_string(assignments));
            Run(std::string(TV_GENERATOR_PATH) + " " + dae.string() + " --teachers " +
                std::to_string(teachers) + " --groups " + std::to_string(groups) + " --assignments " +
                std::to_string(assignments));

            Summary times;
            for (int run = 0; run < runs; ++run) {
                const fs::path ktemp = work / "ktemp";
                fs::remove_all(ktemp);
                times.Add(Measured(std::string(TV_CLI_PATH) + " exportar --dae " + dae.string() +
                                   " --ktemp " + ktemp.string() + " --niveles " +
                                   (dae / "niveles.csv").string() + " 2>/dev/null"));
            }
            std::printf("%-6.1f %9d %7d %12d %9.1f %9.1f %8.1f %13.2f\n", scale, teachers, groups,
                        assignments, times.Cpu(), times.Wall(), times.PeakMb(),
                        1000.0 * times.Cpu() / assignments);
            std::fflush(stdout);
        }
    });
}
