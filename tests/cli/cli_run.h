// Runs the built transveloradae-cli and collects its exit code, stdout and stderr.
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

} // namespace tv::test
