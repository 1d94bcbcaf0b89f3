// Timing whole commands for the benchmarks: run a shell command (failing
// loudly), and measure it as the operating system accounts it: CPU time
// (user + system) of the command and its children, wall time, and the peak
// resident set of the largest process. On a shared machine CPU time is the
// figure to trust; medians of several runs smooth the rest.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tv::bench {

struct Measure {
    double cpuMs = 0; // user + system
    double wallMs = 0;
    double peakMb = 0; // peak resident set, MiB
};

inline double Milliseconds(const timeval& t) {
    return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
}

// Runs one simple `command` (redirections allowed) through /bin/sh, which
// execs it, with its output discarded; throws when it fails.
inline Measure Measured(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed: " + command);
    if (child == 0) {
        const std::string quiet = "exec >/dev/null; exec " + command;
        ::execl("/bin/sh", "sh", "-c", quiet.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) throw std::runtime_error("wait failed: " + command);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("failed: " + command);
    // The shell became the command: these are the command's own figures.
    Measure m;
    m.cpuMs = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    m.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    m.peakMb = usage.ru_maxrss / 1024.0;
    return m;
}

inline void Run(const std::string& command) {
    const int status = std::system((command + " >/dev/null").c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("failed: " + command);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians over runs of each figure.
struct Summary {
    std::vector<Measure> runs;
    void Add(const Measure& m) { runs.push_back(m); }
    double Cpu() const { return MedianOf(&Measure::cpuMs); }
    double Wall() const { return MedianOf(&Measure::wallMs); }
    double PeakMb() const { return MedianOf(&Measure::peakMb); }

  private:
    double MedianOf(double Measure::*figure) const {
        std::vector<double> values;
        for (const Measure& m : runs)
            values.push_back(m.*figure);
        return Median(values);
    }
};

// "--runs N" on the command line, else `fallback`; at least one run.
inline int RunsFromArguments(int argc, char** argv, int fallback = 7) {
    if (argc == 3 && std::string(argv[1]) == "--runs") return std::max(1, std::atoi(argv[2]));
    return fallback;
}

// Runs `body` on a fresh scratch folder named `prefix` and the process id under
// the temporary folder, removed afterwards; the reason of a failure goes to
// stderr. The benchmark's exit code: 0, or 1 when `body` threw.
template <class Body> int InScratchFolder(const std::string& prefix, Body body) {
    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()));
    std::filesystem::create_directories(work);
    int code = 0;
    try {
        body(work);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        code = 1;
    }
    std::filesystem::remove_all(work);
    return code;
}

} // namespace tv::bench
