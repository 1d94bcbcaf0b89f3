#include "cli/documents_csv.h"

#include "tablorix_to_dae/codification_rules.h"

#include "tables/cp1252.h"
#include "tables/text.h"

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

std::string WhereIs(const std::filesystem::path& file, int lineNumber) {
    return "--documentos " + Utf8ToCp1252(file.filename().string()) +
           ", l\xED"
           "nea " +
           std::to_string(lineNumber) + ": ";
}

struct Width {
    const char* name;
    std::size_t characters;
};
constexpr Width kWidths[] = {{"ABREV", 10}, {"TIPODNI", 4}, {"DNI", 15}};

} // namespace

std::vector<TeacherDocument> ReadDocumentsCsv(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("No se puede abrir el archivo de documentos " + Utf8ToCp1252(file.string()));
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);

    std::vector<TeacherDocument> documents;
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
            throw std::runtime_error(WhereIs(file, lineNumber) + "se esperaban 3 campos (ABREV;TIPODNI;DNI)");
        std::vector<std::string> values;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            try {
                values.push_back(TrimBoth(Utf8ToCp1252(fields[i])));
            } catch (const EncodingError& error) {
                throw std::runtime_error(WhereIs(file, lineNumber) + error.what());
            }
            if (values.back().size() > kWidths[i].characters)
                throw std::runtime_error(WhereIs(file, lineNumber) + kWidths[i].name + " '" + values.back() +
                                         "' tiene m\xE1s de " + std::to_string(kWidths[i].characters) +
                                         " caracteres");
        }
        documents.push_back({values[0], values[1], values[2]});
    }
    return documents;
}

void TypeTeacherDocuments(tablorix_to_dae::CodificationTables& tables,
                          const std::vector<TeacherDocument>& documents) {
    tables::Table& teachers = tables.teachers;
    for (const auto& document : documents)
        if (!teachers.FindKey(document.teacher))
            throw std::runtime_error("--documentos: no hay ning\xFAn profesor '" + document.teacher +
                                     "' en PROFT");
    for (const auto& document : documents) {
        teachers.FindKey(document.teacher);
        teachers.Edit();
        teachers.SetString("TIPODNI", document.documentType);
        teachers.SetString("DNI", document.document);
        tablorix_to_dae::CopyDocumentToTeacherRecords(tables);
        teachers.Post();
    }
    teachers.First();
}

} // namespace tv::cli
