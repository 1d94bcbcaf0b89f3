#include "cli/commands.h"

namespace tv::cli {

Command AddExportarCommand(CLI::App& app) {
    auto* options = app.add_subcommand("exportar", "DAE -> Tablorix (pendiente)");
    return {options, [] { return 2; }};
}

} // namespace tv::cli
