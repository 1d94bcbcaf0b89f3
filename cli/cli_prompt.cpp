#include "cli/cli_prompt.h"

#include "cli/terminal.h"
#include "tables/user_text.h"

#include <string>

namespace tv::cli {

void CliPrompt::Message(std::string_view text) {
    PrintError(text);
}

void CliPrompt::Information(std::string_view text) {
    PrintError(text);
}

bool CliPrompt::Question(std::string_view text) {
    PrintError(FormatText(TV_TEXT("Línea de órdenes", "%1 -> Sí"), {text}));
    return true;
}

bool CliPrompt::Warning(std::string_view caption, std::string_view text) {
    PrintError(FormatText(warningAnswer_ ? TV_TEXT("Línea de órdenes", "%1:\n%2 -> Aceptar")
                                         : TV_TEXT("Línea de órdenes", "%1:\n%2 -> Cancelar"),
                          {caption, text}));
    return warningAnswer_;
}

} // namespace tv::cli
