// Timing whole commands for the benchmarks: run a shell command (failing
// loudly), its wall time, and the best and median of several runs.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace tv::bench {

inline void Run(const std::string& command) {
    const int status = std::system((command + " >/dev/null").c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("failed: " + command);
}

inline double MillisecondsOf(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    Run(command);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Times {
    double best, median;
};

inline Times Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// "--runs N" on the command line, else `fallback`; at least one run.
inline int RunsFromArguments(int argc, char** argv, int fallback = 5) {
    if (argc == 3 && std::string(argv[1]) == "--runs") return std::max(1, std::atoi(argv[2]));
    return fallback;
}

} // namespace tv::bench
