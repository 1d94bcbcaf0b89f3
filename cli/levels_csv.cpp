#include "cli/levels_csv.h"

#include "tables/cp1252.h"
#include "tables/table.h"
#include "tables/text.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tv::cli {
namespace {

constexpr std::size_t kAbbreviationWidth = 5;

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ';')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string WhereIs(const std::filesystem::path& file, int lineNumber) {
    return "--niveles " + Utf8ToCp1252(file.filename().string()) +
           ", l\xED"
           "nea " +
           std::to_string(lineNumber) + ": ";
}

} // namespace

std::vector<LevelAbbreviations> ReadLevelsCsv(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("No se puede abrir el archivo de niveles " + Utf8ToCp1252(file.string()));
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);

    std::vector<LevelAbbreviations> levels;
    std::size_t start = 0;
    for (int lineNumber = 1; start < content.size(); ++lineNumber) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.pop_back();
        if (TrimBoth(line).empty()) continue;

        const auto fields = SplitFields(line);
        if (fields.size() != 3)
            throw std::runtime_error(WhereIs(file, lineNumber) +
                                     "se esperaban 3 campos (COD;ABREVCAST;ABREVEUSK)");
        LevelAbbreviations level;
        try {
            level = {TrimBoth(Utf8ToCp1252(fields[0])), Utf8ToCp1252(fields[1]), Utf8ToCp1252(fields[2])};
        } catch (const EncodingError& error) {
            throw std::runtime_error(WhereIs(file, lineNumber) + error.what());
        }
        for (const std::string& abbreviation : {level.castilian, level.basque})
            if (TrimTrailing(abbreviation).size() > kAbbreviationWidth)
                throw std::runtime_error(WhereIs(file, lineNumber) + "la abreviatura '" + abbreviation +
                                         "' tiene m\xE1s de 5 caracteres");
        levels.push_back(std::move(level));
    }
    return levels;
}

void ApplyLevelAbbreviations(const std::filesystem::path& ktemp,
                             const std::vector<LevelAbbreviations>& levels) {
    tables::Table table;
    table.Open(ktemp, "daeNIVIMP");
    // Every code is checked before anything changes.
    for (const auto& level : levels)
        if (!table.Locate("COD", {level.code}))
            throw std::runtime_error("--niveles: el nivel '" + level.code + "' no est\xE1 en daeNIVIMP");
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
