// transveloradae-cli: the headless front end. Same steps as the window, with
// the answers given as options.
#include "cli/commands.h"
#include "cli/terminal.h"

#include "tables/unsaved_tables.h"

#include <exception>
#include <vector>

int main(int argc, char** argv) {
    tv::cli::PrepareTerminal();
    CLI::App app{"TransVeloraDAE: datos DAE <-> tablas de Tablorix (sin ventanas)", "transveloradae-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Ayuda de todas las órdenes");

    const std::vector<tv::cli::Command> commands = {
        tv::cli::AddTablaCommand(app),
        tv::cli::AddExportarCommand(app),
        tv::cli::AddImportarCommand(app),
    };

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }
    try {
        for (const auto& command : commands) {
            if (!command.options->parsed()) continue;
            const int exitCode = command.run();
            // A table whose write failed where no one could be told: never a success.
            if (auto unsaved = tv::tables::TakeUnsavedTableError()) {
                tv::cli::PrintError(*unsaved);
                return 2;
            }
            return exitCode;
        }
    } catch (const std::exception& error) {
        tv::cli::PrintError(error.what());
        return 2;
    }
    return 0;
}
