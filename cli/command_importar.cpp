#include "cli/commands.h"

namespace tv::cli {

Command AddImportarCommand(CLI::App& app) {
    auto* options = app.add_subcommand("importar", "Tablorix -> DAE (pendiente)");
    return {options, [] { return 2; }};
}

} // namespace tv::cli
