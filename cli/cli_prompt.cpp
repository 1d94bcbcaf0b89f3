#include "cli/cli_prompt.h"

#include "cli/terminal.h"

#include <string>

namespace tv::cli {

void CliPrompt::Message(std::string_view text) {
    PrintError(text);
}

void CliPrompt::Information(std::string_view text) {
    PrintError(text);
}

bool CliPrompt::Question(std::string_view text) {
    PrintError(std::string(text) + " -> S\xED");
    return true;
}

bool CliPrompt::Warning(std::string_view caption, std::string_view text) {
    PrintError(std::string(caption) + ":\n" + std::string(text) +
               (warningAnswer_ ? " -> Aceptar" : " -> Cancelar"));
    return warningAnswer_;
}

} // namespace tv::cli
