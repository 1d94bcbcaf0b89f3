#include "cli/levels_csv.h"

#include "cli/semicolon_file.h"

#include "tables/table.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

#include <stdexcept>

namespace tv::cli {
namespace {

constexpr std::size_t kAbbreviationWidth = 5;

} // namespace

std::vector<LevelAbbreviations> ReadLevelsCsv(const std::filesystem::path& file) {
    std::vector<LevelAbbreviations> levels;
    for (const SemicolonLine& line : ReadSemicolonFile(file, "--niveles", 3, "COD;ABREVCAST;ABREVEUSK")) {
        LevelAbbreviations level{TrimBoth(line.fields[0]), line.fields[1], line.fields[2]};
        for (const std::string& abbreviation : {level.castilian, level.basque})
            if (TrimTrailing(abbreviation).size() > kAbbreviationWidth)
                throw std::runtime_error(
                    FormatText(TV_TEXT("Línea de órdenes", "%1: la abreviatura %2 tiene más de 5 caracteres"),
                               {line.where, QuotedForMessage(abbreviation)}));
        levels.push_back(std::move(level));
    }
    return levels;
}

void ApplyLevelAbbreviations(const std::filesystem::path& ktemp,
                             const std::vector<LevelAbbreviations>& levels) {
    tables::Table table;
    table.Open(ktemp, schema::kLevelsTable);
    // Every code is checked before anything changes.
    for (const auto& level : levels)
        if (!table.Locate("COD", {level.code}))
            throw std::runtime_error(
                FormatText(TV_TEXT("Línea de órdenes", "--niveles: el nivel %1 no está en daeNIVIMP"),
                           {QuotedForMessage(level.code)}));
    for (const auto& level : levels) {
        table.Locate("COD", {level.code});
        table.Edit();
        table.SetString("ABREVCAST", level.castilian);
        table.SetString("ABREVEUSK", level.basque);
        table.Post();
    }
    table.Close();
}

} // namespace tv::cli
