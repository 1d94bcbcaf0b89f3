#include "cli/importar_prompt.h"

#include "cli/terminal.h"

#include "tables/user_text.h"
#include "tablorix_to_dae/messages.h"

#include <string>

namespace tv::cli {
namespace {

// The boxes separate their lines with a carriage return; the terminal wants line feeds.
std::string ForTerminal(std::string_view text) {
    std::string lines(text);
    for (char& c : lines)
        if (c == '\r') c = '\n';
    return lines;
}

} // namespace

void ImportarPrompt::Message(std::string_view text) {
    PrintError(ForTerminal(text));
}

void ImportarPrompt::Information(std::string_view text) {
    PrintError(ForTerminal(text));
}

bool ImportarPrompt::Question(std::string_view text) {
    bool answer = false;
    if (text == tablorix_to_dae::KeepEarlierDataQuestion()) {
        answer = keepEarlierTables_;
    } else if (text == tablorix_to_dae::CodificationOnlyQuestion()) {
        answer = codificationOnly_;
    } else if (text == tablorix_to_dae::TeacherWithoutDocumentQuestion()) {
        askedAboutDocuments_ = true; // nobody is there to correct it
    }
    PrintError(
        FormatText(answer ? TV_TEXT("Línea de órdenes", "%1 -> Sí") : TV_TEXT("Línea de órdenes", "%1 -> No"),
                   {ForTerminal(text)}));
    return answer;
}

bool ImportarPrompt::Warning(std::string_view caption, std::string_view text) {
    PrintError(FormatText(TV_TEXT("Línea de órdenes", "%1:\n%2 -> Cancelar"),
                          {ForTerminal(caption), ForTerminal(text)}));
    return false;
}

} // namespace tv::cli
