// The sub-commands of transveloradae-cli. Each adds itself to the program's
// options and, when chosen, runs and returns the process exit code.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>

namespace tv::cli {

struct Command {
    CLI::App* options = nullptr;
    std::function<int()> run;
};

Command AddTablaCommand(CLI::App& app);
Command AddExportarCommand(CLI::App& app);
Command AddImportarCommand(CLI::App& app);

} // namespace tv::cli
