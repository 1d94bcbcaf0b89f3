#include "dae_to_tablorix/comprueba_abreviaturas.h"

#include "dae_to_tablorix/level_tables.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tv::dae_to_tablorix {
namespace {

struct Language {
    std::string_view field;
    std::string message;
    std::vector<std::string> seen;
};

// True when `abbreviation` repeats one seen before; otherwise remembers it.
bool Repeats(Language& language, const std::string& abbreviation) {
    if (TrimBoth(abbreviation).empty()) return false;
    // Compared as stored: leading blanks count.
    const bool repeated =
        std::any_of(language.seen.begin(), language.seen.end(),
                    [&](const std::string& seen) { return AnsiSameText(seen, abbreviation); });
    if (!repeated) language.seen.push_back(abbreviation);
    return repeated;
}

} // namespace

AbbreviationCheck CompruebaAbreviaturas(ExportContext& context) {
    Language languages[] = {
        {"ABREVCAST", TV_TEXT("Exportar", "Abreviatura en Castellano Repetida - Compruébelo."), {}},
        {"ABREVEUSK", TV_TEXT("Exportar", "Abreviatura en Euskera Repetida - Compruébelo."), {}},
    };
    context.state.WorkflowState = 0;

    tables::Table levels;
    levels.Open(context.ktemp, kLevelsTable);
    for (levels.First(); !levels.Eof(); levels.Next()) {
        for (Language& language : languages) {
            if (!Repeats(language, levels.AsString(language.field))) continue;
            context.prompt.Message(language.message);
            context.state.WorkflowState = 1;
            return {true, levels.GetBookmark()};
        }
    }
    return {};
}

} // namespace tv::dae_to_tablorix
