// Runs the built transveloradae-cli and collects its exit code, stdout and
// stderr; the folders and arguments several of its tests share.
#pragma once

#include "tests/test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tv::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `environment`: assignments put before the command, as "NAME=value".
inline CliResult RunCli(const std::vector<std::string>& arguments, const std::string& environment = {}) {
    ScratchDir capture;
    std::string command = environment + (environment.empty() ? "" : " ") + Quoted(TV_CLI_PATH);
    for (const auto& argument : arguments)
        command += " " + Quoted(argument);
    command += " >" + Quoted((capture / "out").string()) + " 2>" + Quoted((capture / "err").string()) +
               " </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(capture / "out"),
            ReadText(capture / "err")};
}

// `to` made a fresh copy of the folder `from`.
inline void CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::remove_all(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

// An exportar from `root`/DAE into `root`/KTEMP, version 2526, with `niveles`.
inline std::vector<std::string> ExportarArguments(const std::filesystem::path& root,
                                                  const std::filesystem::path& niveles) {
    return {
        "exportar", "--dae",     (root / "DAE").string(), "--ktemp", (root / "KTEMP").string(), "--version",
        "2526",     "--niveles", niveles.string()};
}

} // namespace tv::test
