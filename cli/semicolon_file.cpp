#include "cli/semicolon_file.h"

#include "tables/cp1252.h"
#include "tables/path_text.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tv::cli {
namespace {

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

} // namespace

std::vector<SemicolonLine> ReadSemicolonFile(const std::filesystem::path& file, const std::string& option,
                                             std::size_t fieldCount, const std::string& layout) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error(FormatText(TV_TEXT("Línea de órdenes", "%1: no se puede abrir %2"),
                                            {option, tables::PathText(file)}));
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);

    std::vector<SemicolonLine> lines;
    std::size_t start = 0;
    for (int lineNumber = 1; start < content.size(); ++lineNumber) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.pop_back();
        if (TrimBoth(line).empty()) continue;

        SemicolonLine parsed;
        parsed.where = FormatText(TV_TEXT("Línea de órdenes", "%1 %2, línea %3"),
                                  {option, tables::FileNameText(file), std::to_string(lineNumber)});
        const auto fields = SplitFields(line);
        if (fields.size() != fieldCount)
            throw std::runtime_error(
                FormatText(TV_TEXT("Línea de órdenes", "%1: se esperaban %2 campos (%3)"),
                           {parsed.where, std::to_string(fieldCount), layout}));
        try {
            for (const std::string& field : fields)
                parsed.fields.push_back(Utf8ToCp1252(field));
        } catch (const EncodingError& error) {
            throw std::runtime_error(parsed.where + ": " + error.what());
        }
        lines.push_back(std::move(parsed));
    }
    return lines;
}

} // namespace tv::cli
